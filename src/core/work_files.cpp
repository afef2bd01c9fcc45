#include "core/work_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "core/file_batch.h"
#include "core/files.h"
#include "core/run.h"

namespace {

// Files that earlier versions kept beside the data and nothing reads now,
// by the name after the data file prefix.
constexpr const char* kNoLongerKept[] = {"__FolderListings.dat", "__UserIndex.dat", "__AddressLimits.txt"};

bool IsNoLongerKept(const std::string& name) {
    for (const char* end : kNoLongerKept)
        if (name == R().DataFilePrefix + end) return true;
    return false;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

bool IsWorkFileName(const std::string& name) {
    const Run& r = R();
    if (!name.ends_with(kWorkFileEnd) && !name.ends_with(".tmp") && !name.ends_with(".ddd")) return false;
    bool ours = (!r.DataFilePrefix.empty() && name.starts_with(r.DataFilePrefix)) ||
                (!r.GameDataFileName.empty() && name.starts_with(r.GameDataFileName));
    // A fresh copy of the program itself may be on its way in.
    return ours && name != r.ScriptFileName + kWorkFileEnd;
}

void TidyDataFolder() {
    const std::string& folder = R().DataFolder;
    std::vector<std::string> names = FolderNames(folder);
    // Pools that share the folder share its lock: a journal of any of them
    // is finished before work files that it names could be taken for waste.
    for (const std::string& name : names)
        if (name.ends_with(kJournalFileEnd) && FileExists(folder + name)) FinishJournal(folder + name);
    for (const std::string& name : names)
        if ((IsWorkFileName(name) || IsNoLongerKept(name)) && FileExists(folder + name))
            unlink((folder + name).c_str());
}

// Where names differ in case only (ZRP.cfg, zrp.cfg) the file system decides
// whether they are two files: the delivered file is kept only when it is the
// game data file itself, else a ZRP.exe would never take its season over.
void TakeOverDeliveredGameFile() {
    Run& r = R();
    std::string delivered = r.DataFolder + "zrp.cfg";
    std::string gameFile = r.DataFolder + r.GameDataFileName;
    if (delivered == gameFile || !FileExists(delivered) || SameFile(delivered, gameFile)) return;
    FileBatch batch;
    batch.Write(gameFile, ReadWholeFile(delivered));
    batch.Delete(delivered);
    batch.Commit();
}
