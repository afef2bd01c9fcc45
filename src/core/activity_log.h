// The activity log: one 120-byte record per request.
#pragma once

#include <cstddef>

inline constexpr size_t kActivityRecordLength = 120;

void WriteActivityLog();
