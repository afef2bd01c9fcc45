// The layout of a user file record, defined here only: five fields of text
// padded with blanks, then reserved zero bytes to the record's length. The
// benchmarks build their pools from it too.
#pragma once

#include <cstddef>
#include <cstdint>

struct UserField {
    size_t Offset, Width;
};
inline constexpr UserField kUserEmail{0, 40}, kUserPassword{40, 40}, kUserRealName{80, 60},
    kUserLastAccess{140, 35}, kUserStatus{175, 20};
// The bytes of the five fields; the copy of the fields holds these of each record.
inline constexpr int64_t kUserFieldsLength = 195;
inline constexpr int64_t kUserRecordLength = 1695;
static_assert(kUserStatus.Offset + kUserStatus.Width == kUserFieldsLength && kUserFieldsLength <= kUserRecordLength);
