#include "support/run_folder.h"

#include "cgi/settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "cgi/output.h"
#include "core/files.h"
#include "core/text.h"
#include "support/cgi_pool.h"
#include "users/user_file.h"

RunFolder::RunFolder() {
    // tmpfs when there is one: some tests rewrite many small files.
    std::string pattern = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/zrp-unit-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    folder_ = pattern + "/";
    outPath_ = pattern + ".out";
    out_ = open(outPath_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    Enter();
}

RunFolder::~RunFolder() {
    if (R().FolderLockHandle >= 0) close(R().FolderLockHandle);
    R() = Run{};
    close(out_);
    std::error_code ignored;
    std::filesystem::remove(outPath_, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void RunFolder::Enter() const {
    R() = Run{};
    ReadInstallationSettings();
    ::Run& r = R();
    r.StdOutHandle = out_;
    r.DataFolder = folder_;
    r.DataFilePrefix = "ZRP";
    r.GameDataFileName = "zrp.cfg";
    r.ScriptUrl = "http://pool.test/cgi-bin/zrp.exe";
    r.ImageUrlBase = "http://pool.test/cgi-bin/";
    r.Version = "0.99 - Build 9.6.2";
    r.FormPairs.assign(1, FormPair{});
}

void RunFolder::Write(const std::string& name, const std::string& bytes) const { WriteFileAtomic(PathOf(name), bytes); }

void RunFolder::WriteLines(const std::string& name, const std::vector<std::string>& lines) const {
    Write(name, JoinTextLines(lines));
}

void RunFolder::WriteUsers(const std::vector<UserRecord>& users) const {
    std::string bytes;
    for (const UserRecord& user : users) bytes += EncodeUserRecord(user);
    Write("ZRPform_user.dat", bytes);
}

std::string RunFolder::Read(const std::string& name) const { return ReadWholeFile(PathOf(name)); }

bool RunFolder::Exists(const std::string& name) const { return FileExists(PathOf(name)); }

std::map<std::string, std::string> RunFolder::Contents() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        files[entry.path().filename()] = Read(entry.path().filename());
    return files;
}

std::vector<std::string> RunFolder::TakeLines() {
    FlushOutput();
    std::vector<std::string> lines = CrLfLines(ReadOrEmpty(outPath_));
    if (ftruncate(out_, 0) != 0 || lseek(out_, 0, SEEK_SET) != 0) throw std::runtime_error("reset output");
    return lines;
}

std::string SlashLines(const std::string& parts) { return ReplaceAll(parts, "/", "\r\n") + "\r\n"; }

UserRecord Player(const std::string& email, const std::string& name, const std::string& status) {
    return {email, "SECRET", name, "01-02-2026 03:04:05", status};
}
