#include "core/work_files.h"

#include <unistd.h>

#include "core/file_batch.h"
#include "core/files.h"
#include "core/run.h"

namespace {

// Each name of the listing that may be a file (its files, then its names of
// unsure type), without copying them.
template <class Visit>
void ForEachCandidate(const FolderFiles& listing, Visit visit) {
    for (const std::string& name : listing.Files()) visit(name);
    for (const std::string& name : listing.Unsure()) visit(name);
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

void TidyDataFolder(const FolderFiles& dataFolder) {
    const std::string& folder = R().DataFolder;
    // Pools that share the folder share its lock: a journal of any of them
    // is finished before work files that it names could be taken for waste.
    ForEachCandidate(dataFolder, [&](const std::string& name) {
        if (name.ends_with(kJournalFileEnd) && FileExists(folder + name)) FinishJournal(folder + name);
    });
    ForEachCandidate(dataFolder, [&](const std::string& name) {
        if (!IsWorkFileName(name) || !FileExists(folder + name)) return;
        DataFolderNamesChange();
        unlink((folder + name).c_str());
    });
}
