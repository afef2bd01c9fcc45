#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

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

// Ordinary files and links to them exist; folders, dangling links, blank
// names and strangers do not.
TEST(FileExists, OnlyOrdinaryFilesAndLinksToThem) {
    RunFolder run;
    run.Write("plain.gif", "x");
    std::string folder = run.Folder();
    ASSERT_EQ(mkdir((folder + "sub.gif").c_str(), 0755), 0);
    ASSERT_EQ(symlink((folder + "plain.gif").c_str(), (folder + "link.gif").c_str()), 0);
    ASSERT_EQ(symlink((folder + "gone.txt").c_str(), (folder + "dangling.gif").c_str()), 0);
    for (const char* name : {"plain.gif", "link.gif"}) EXPECT_TRUE(FileExists(folder + name)) << name;
    for (const char* name : {"sub.gif", "dangling.gif", "none.gif", ""}) EXPECT_FALSE(FileExists(folder + name)) << name;
    EXPECT_FALSE(FileExists("   "));
}

// Lines read once are read again after any write, rename or removal of the
// run, and not for a change made behind its back (the folder lock keeps
// other runs out).
TEST(LinesWhileUnchanged, ReadAgainAfterEachChangeTheRunMakes) {
    RunFolder run;
    std::string folder = run.Folder(), path = folder + "w.txt";
    auto writeAside = [&](const char* bytes) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fputs(bytes, f);
        std::fclose(f);
    };
    LinesRead last;
    int seen = 0;
    auto change = [&](const std::function<void()>& make) {
        writeAside(std::to_string(++seen).c_str());
        EXPECT_EQ(*LinesWhileUnchanged(path, last), std::vector<std::string>{std::to_string(seen - 1)});
        make();
        EXPECT_EQ(*LinesWhileUnchanged(path, last), std::vector<std::string>{std::to_string(seen)});
    };
    run.Write("w.txt", "0\r\n");
    EXPECT_EQ(*LinesWhileUnchanged(path, last), std::vector<std::string>{"0"});
    change([&] { AppendToFile(folder + "d.txt", "x"); });
    change([&] { WriteAt(folder + "e.txt", 0, "x"); });
    change([&] { RenameFile(folder + "e.txt", folder + "f.txt"); });
    change([&] { DeleteFileIfExists(folder + "f.txt"); });
    change([&] { SetFileLength(folder + "d.txt", 0); });
    DeleteFileIfExists(path);
    EXPECT_EQ(LinesWhileUnchanged(path, last), nullptr);
}
