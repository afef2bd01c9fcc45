#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/cgi_pool.h"

namespace {

const std::string kListings = "ZRP__FolderListings.dat";

// A run keeps a folder's listing only when the folder has not changed for a
// second: after the wait, a run keeps what the next one answers from.
void LetFoldersSettle(const Pool& pool) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    pool.Get();
}

}  // namespace

// A kept copy that is not whole (one name changed here) is not believed: the
// folder is listed again and finds the help page where it is, so the page is
// left as it was instead of being written anew. What happens to a folder
// after its listing was kept is seen by the next run: a leftover work file is
// removed, a removed help page or image is written again, whichever folder it is in.
TEST(FolderListings, AKeptListingGivesWayToABadChecksumAndToEveryChangeOfItsFolder) {
    Pool pool;
    pool.Write("zrp.cfg", "WEEK1\r\nA at B\r\n");
    pool.Get();
    LetFoldersSettle(pool);
    LetFoldersSettle(pool);
    std::string kept = pool.Read(kListings);
    ASSERT_NE(kept.find(pool.PathOf("zrphelp/")), std::string::npos);
    size_t at = kept.find(std::string("index.html") + '\0');
    ASSERT_NE(at, std::string::npos);
    kept[at + 4] = 'y';
    pool.Write(kListings, kept);
    const std::string help = pool.PathOf("zrphelp/index.html");
    const auto written = std::filesystem::last_write_time(help);
    pool.Get();
    EXPECT_EQ(std::filesystem::last_write_time(help), written);

    std::string page = ReadOrEmpty(help);
    LetFoldersSettle(pool);
    LetFoldersSettle(pool);
    pool.Write("ZRPweek.dat.new", "left");
    pool.Get();
    EXPECT_FALSE(pool.Exists("ZRPweek.dat.new"));
    LetFoldersSettle(pool);
    std::filesystem::remove(help);
    pool.Get();
    EXPECT_EQ(ReadOrEmpty(help), page);
    LetFoldersSettle(pool);
    std::filesystem::remove(pool.PathOf("ZRPFsubmit.gif"));
    pool.Get();
    EXPECT_TRUE(pool.Exists("ZRPFsubmit.gif"));
}
