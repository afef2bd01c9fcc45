#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

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

// One listing answers as FileExists would for each name: ordinary files and
// links to them are there; folders, dangling links and strangers are not.
TEST(FolderFiles, AnswersAsFileExistsForEveryKindOfName) {
    RunFolder run;
    run.Write("plain.gif", "x");
    run.Write("target.txt", "y");
    std::string folder = run.Folder();
    ASSERT_EQ(mkdir((folder + "sub.gif").c_str(), 0755), 0);
    ASSERT_EQ(symlink((folder + "target.txt").c_str(), (folder + "link.gif").c_str()), 0);
    ASSERT_EQ(symlink((folder + "gone.txt").c_str(), (folder + "dangling.gif").c_str()), 0);
    FolderFiles files(folder);
    for (const char* name : {"plain.gif", "target.txt", "sub.gif", "link.gif", "dangling.gif", "none.gif", ""})
        EXPECT_EQ(files.Has(name), FileExists(folder + name)) << name;
    EXPECT_TRUE(files.Has("link.gif"));
    EXPECT_FALSE(FolderFiles(folder + "missing/").Has("plain.gif"));
}

// The data folder's listing answers FileExists while the run keeps it, and
// every change the run makes to the folder's names sends FileExists back to
// the disk. Lines read once are read again after any write of the run.
TEST(FolderFiles, TheRunsListingGivesWayToItsOwnChanges) {
    RunFolder run;
    run.Write("a.txt", "one\r\n");
    std::string folder = run.Folder();
    auto keep = [&] { KeepDataFolderNames(std::make_shared<const FolderFiles>(folder)); };
    // Behind the run's back, as another program would.
    auto writeAside = [&](const std::string& name, const char* bytes) {
        std::FILE* f = std::fopen((folder + name).c_str(), "wb");
        std::fputs(bytes, f);
        std::fclose(f);
    };
    keep();
    writeAside("b.txt", "made aside");
    EXPECT_FALSE(FileExists(folder + "b.txt"));
    EXPECT_TRUE(FileExists(folder + "a.txt"));
    WriteFileAtomic(folder + "c.txt", "x");
    EXPECT_TRUE(FileExists(folder + "c.txt"));
    keep();
    AppendToFile(folder + "d.txt", "x");
    EXPECT_TRUE(FileExists(folder + "d.txt"));
    keep();
    WriteAt(folder + "e.txt", 0, "x");
    EXPECT_TRUE(FileExists(folder + "e.txt"));
    keep();
    DeleteFileIfExists(folder + "a.txt");
    EXPECT_FALSE(FileExists(folder + "a.txt"));

    LinesRead last;
    run.Write("w.txt", "1\r\n");
    EXPECT_EQ(*LinesWhileUnchanged(folder + "w.txt", last), std::vector<std::string>{"1"});
    writeAside("w.txt", "2\r\n");
    EXPECT_EQ(*LinesWhileUnchanged(folder + "w.txt", last), std::vector<std::string>{"1"});
    AppendToFile(folder + "d.txt", "x");
    EXPECT_EQ(*LinesWhileUnchanged(folder + "w.txt", last), std::vector<std::string>{"2"});
    EXPECT_EQ(LinesWhileUnchanged(folder + "none.txt", last), nullptr);
}
