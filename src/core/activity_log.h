// The activity log: one 120-byte record per request, and its page.
#pragma once

#include <cstdint>
#include <string>

inline constexpr size_t kActivityRecordLength = 120;

// The record of this request as it is appended.
std::string ActivityRecord();
void WriteActivityLog();
void AdminViewActivityLog();
void PastActivityLog(int16_t maxRecords);
