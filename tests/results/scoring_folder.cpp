#include "results/scoring_folder.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "cgi/failure.h"
#include "core/files.h"
#include "users/user_file.h"

ScoringFolder::ScoringFolder() {
    // tmpfs when there is one: the scoring runs rewrite many small files.
    for (const char* base : {"/dev/shm", "/tmp"}) {
        std::string pattern = std::string(base) + "/zrp-scoring-XXXXXX";
        if (!mkdtemp(pattern.data())) continue;
        folder_ = pattern + "/";
        break;
    }
    if (folder_.empty()) throw std::runtime_error("no temporary folder");
    Enter();
}

ScoringFolder::~ScoringFolder() {
    for (const auto& [name, bytes] : Contents()) unlink(PathOf(name).c_str());
    rmdir(folder_.c_str());
}

void ScoringFolder::Enter() const {
    ResetRun();
    R().DataFolder = folder_;
    R().DataFilePrefix = "ZRP";
    R().GameDataFileName = "zrp.cfg";
}

void ScoringFolder::Write(const std::string& name, const std::string& bytes) const {
    WriteFileAtomic(PathOf(name), bytes);
}

std::string ScoringFolder::Read(const std::string& name) const { return ReadWholeFile(PathOf(name)); }

bool ScoringFolder::Exists(const std::string& name) const { return FileExists(PathOf(name)); }

std::map<std::string, std::string> ScoringFolder::Contents() const {
    std::map<std::string, std::string> files;
    DIR* dir = opendir(folder_.c_str());
    if (!dir) return files;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") files[name] = Read(name);
    }
    closedir(dir);
    return files;
}

void ScoringFolder::WriteLines(const std::string& name, const std::vector<std::string>& lines) const {
    Write(name, JoinTextLines(lines));
}

void ScoringFolder::WriteUsers(const std::vector<UserRecord>& users) const {
    std::string bytes;
    for (const UserRecord& user : users) bytes += EncodeUserRecord(user);
    Write("ZRPform_user.dat", bytes);
}


