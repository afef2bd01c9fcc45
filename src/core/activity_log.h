// The activity log: one 120-byte record per request, and its page.
#pragma once

#include <cstdint>
#include <cstddef>

inline constexpr size_t kActivityRecordLength = 120;

void WriteActivityLog();
void AdminViewActivityLog();
void PastActivityLog(int16_t maxRecords);
