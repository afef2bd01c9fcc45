#include <gtest/gtest.h>


#include "core/files.h"
#include "support/run_folder.h"

// The bytes read for the first lines end at the last of their line feeds,
// whatever the line ends, a last line without one, and lines across the
// pieces read.
TEST(TextLines, EveryReaderSeesTheLinesOfTheSameBytes) {
    RunFolder run;
    std::string bytes = "one\r\ntwo\n\r\nfour\r";
    for (int n = 0; n < 3000; ++n) bytes += std::to_string(n) + std::string(40, 'z') + (n % 2 ? "\r\n" : "\n");
    bytes += "no end";
    run.Write("f.txt", bytes);
    for (size_t count : {0u, 1u, 3u, 4u, 1500u, 3003u, 3004u, 3005u, 9000u}) {
        size_t end = 0;
        for (size_t n = 0, lf; n < count && end < bytes.size(); ++n)
            end = (lf = bytes.find('\n', end)) == std::string::npos ? bytes.size() : lf + 1;
        EXPECT_EQ(ReadFirstTextBytes(run.PathOf("f.txt"), count), bytes.substr(0, end)) << count;
    }
    EXPECT_EQ(FailureOf([&] { ReadFirstTextBytes(run.PathOf("none.txt"), 5); }), 53);

    // Lines seen in place and their count agree with the lines made of the same
    // bytes, for every kind of line end and a last line with or without one.
    for (std::string bytes : {"", "\n", "\r\n", "one", "one\r", "one\r\r\n", "\n\none\r\n\r\ntwo\n", "a\rb\nc"}) {
        std::vector<std::string> seen;
        for (TextLineCursor lines(bytes); !lines.AtEnd();) seen.emplace_back(lines.Next());
        EXPECT_EQ(seen, SplitTextLines(bytes)) << bytes;
        EXPECT_EQ(CountTextLines(bytes), seen.size()) << bytes;
    }
    EXPECT_EQ(SplitTextLines("x\r\n\r\ny"), (std::vector<std::string>{"x", "", "y"}));
}
