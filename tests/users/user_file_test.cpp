#include "users/user_file.h"

#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

// A user record: its fields padded to their widths, line breaks dropped,
// then zero bytes to its full length.
TEST(UserFile, RecordHasTheFixedLayoutOnOneLine) {
    EXPECT_TRUE(EncodeUserRecord({"BOB@X.COM", "SECRET", "BOB\r\nSMITH", kStamp, "USER"}) ==
                "BOB@X.COM" + std::string(31, ' ') + "SECRET" + std::string(34, ' ') + "BOBSMITH" +
                    std::string(52, ' ') + kStamp + std::string(16, ' ') + "USER" + std::string(16, ' ') +
                    std::string(1500, '\0'));
}

}  // namespace
