#include "core/work_files.h"

#include <unistd.h>

#include <vector>

#include "core/file_batch.h"
#include "core/files.h"
#include "core/run.h"

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

bool IsWorkFileName(const std::string& name) {
    const Run& r = R();
    bool ours = (!r.DataFilePrefix.empty() && name.starts_with(r.DataFilePrefix)) ||
                (!r.GameDataFileName.empty() && name.starts_with(r.GameDataFileName));
    // A fresh copy of the program itself may be on its way in.
    if (!ours || name == r.ScriptFileName + kWorkFileEnd) return false;
    return EndsWith(name, kWorkFileEnd) || EndsWith(name, ".tmp") || EndsWith(name, ".ddd");
}

void TidyDataFolder(const FolderFiles& dataFolder) {
    const std::string& folder = R().DataFolder;
    std::vector<std::string> names = dataFolder.Candidates();
    // Pools that share the folder share its lock: a journal of any of them
    // is finished before work files that it names could be taken for waste.
    for (const std::string& name : names)
        if (EndsWith(name, kJournalFileEnd) && FileExists(folder + name)) FinishJournal(folder + name);
    for (const std::string& name : names)
        if (IsWorkFileName(name) && FileExists(folder + name)) {
            DataFolderNamesChange();
            unlink((folder + name).c_str());
        }
}
