#include "game/scored_periods.h"

#include <algorithm>

#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"

// Period numbers are 16-bit wherever they are counted with; a week file
// beyond that range shows no scored period rather than failing the menu.
std::vector<std::string> ScoredPeriods() {
    const Run& r = R();
    std::string weekFile;
    LoadWeekFile(weekFile);
    double first = std::clamp(Val(TrimBlanks(r.FirstWeek)), 1.0, 32768.0);
    double last = std::min({Val(TrimBlanks(r.LastWeek)), Val(TrimBlanks(r.CurrentWeek)) - 1, 32767.0});
    std::vector<std::string> periods;
    for (long period = static_cast<long>(first); period <= last; ++period)
        if (FileExists(WinningPicksFilePath(NumText(period)))) periods.push_back(NumText(period));
    return periods;
}
