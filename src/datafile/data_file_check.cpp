#include "datafile/data_file_check.h"

#include <vector>

#include "core/files.h"
#include "core/text.h"
#include "game/periods.h"

namespace {

// How far the check has come: past the first header or still in the preamble.
struct Walk {
    bool InPeriods = false;
    double Period = 0;
    int Games = 0;
};

// One " at " between two teams: the sheet splits the line there, and a
// comma would split a team.
bool IsGameLine(const std::string& line) {
    size_t at = line.find(" at ");
    return at != std::string::npos && line.find(" at ", at + 1) == std::string::npos &&
           line.find(',') == std::string::npos;
}

// Why the readers could not take this trimmed line ("" when they can).
std::string WhyBad(const std::string& line, Walk& walk) {
    if (line.empty()) return "";
    std::string number = HeaderPeriodNumber(line);
    std::string scanned = ScannedPeriodNumber(line);
    // The bounds come from the scan and the sheet from the header search:
    // both must see the same period here.
    if (!number.empty() && number == scanned) {
        if (walk.InPeriods && Val(number) <= walk.Period) return "a period number must be higher than the one before";
        walk = {true, Val(number), 0};
        return "";
    }
    // Any "WEEK" ends a period's games for the sheet.
    if (!scanned.empty() || !number.empty() || (walk.InPeriods && Contains(line, "WEEK")))
        return "a period header must be WEEK and its number";
    if (!walk.InPeriods) return "";
    if (!IsGameLine(line)) return "a game line must be First Team at Second Team";
    if (++walk.Games > 100) return "a period holds at most 100 games";
    return "";
}

}  // namespace

std::string FirstBadDataFileLine(const std::string& text) {
    std::vector<std::string> lines = SplitTextLines(text);
    Walk walk;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = TrimBlanks(lines[i]);
        std::string why = WhyBad(line, walk);
        if (!why.empty()) return "Line " + NumText(static_cast<long long>(i + 1)) + " (" + line + "): " + why;
    }
    return "";
}
