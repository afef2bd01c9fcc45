#include "results/standings_records.h"

#include "core/failure.h"
#include "core/files.h"

std::vector<StandingsRecord> ReadStandingsRecords(const std::string& path) {
    std::vector<StandingsRecord> records;
    if (!FileExists(path)) return records;
    std::vector<std::string> lines = ReadTextLines(path);
    if (lines.size() % 3 != 0) Fail(kInputPastEnd);
    for (size_t i = 0; i < lines.size(); i += 3) records.push_back({lines[i], lines[i + 1], lines[i + 2]});
    return records;
}
