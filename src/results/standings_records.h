// The records of a standings file as stored, for the readers that take
// them whole (the downloads, the season chart).
#pragma once

#include <string>
#include <vector>

struct StandingsRecord {
    std::string Name, Points, Third;
};

// The records in stored order, none when the file is missing; a file that
// ends inside a record is input past its end.
std::vector<StandingsRecord> ReadStandingsRecords(const std::string& path);
