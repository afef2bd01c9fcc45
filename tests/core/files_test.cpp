#include <gtest/gtest.h>

#include "core/files.h"
#include "support/run_folder.h"

// The first lines of a file are those of the whole file, whatever the line
// ends, a last line without one, and lines across the pieces read.
TEST(ReadFirstTextLines, GivesTheLeadingLinesOfReadTextLines) {
    RunFolder run;
    std::string bytes = "one\r\ntwo\n\r\nfour\r";
    for (int n = 0; n < 3000; ++n) bytes += std::to_string(n) + std::string(40, 'z') + (n % 2 ? "\r\n" : "\n");
    bytes += "no end";
    run.Write("f.txt", bytes);
    std::vector<std::string> all = ReadTextLines(run.PathOf("f.txt"));
    for (size_t count : {0u, 1u, 3u, 4u, 1500u, 3003u, 3004u, 3005u, 9000u}) {
        std::vector<std::string> first(all.begin(), all.begin() + static_cast<long>(std::min(count, all.size())));
        EXPECT_EQ(ReadFirstTextLines(run.PathOf("f.txt"), count), first) << count;
    }
    EXPECT_EQ(FailureOf([&] { ReadFirstTextLines(run.PathOf("none.txt"), 5); }), 53);
}
