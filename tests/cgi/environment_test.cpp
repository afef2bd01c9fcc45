#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdlib>

#include "cgi/environment.h"

// The values are getenv's for any environment, however a name is set.
TEST(ReadEnvironment, GivesWhatGetenvGivesForEveryName) {
    char* entries[] = {const_cast<char*>("SERVER_NAMEX=longer"), const_cast<char*>("SERVER_NAM=shorter"),
                       const_cast<char*>("NOEQUALS"),           const_cast<char*>("SERVER_NAME=first=1"),
                       const_cast<char*>("EMPTY="),             const_cast<char*>("SERVER_NAME=second"),
                       const_cast<char*>("=nameless"),          nullptr};
    constexpr std::array<std::string_view, 5> names = {"SERVER_NAME", "EMPTY", "NOEQUALS", "UNSET", "SERVER"};
    std::array<std::string, 5> values;
    values.fill("left over");
    char** saved = environ;
    environ = entries;
    ReadEnvironment(names, values);
    for (size_t i = 0; i < names.size(); ++i) {
        const char* expected = getenv(std::string(names[i]).c_str());
        EXPECT_EQ(values[i], expected ? expected : "") << names[i];
    }
    environ = saved;
    EXPECT_EQ(values[0], "first=1");
}
