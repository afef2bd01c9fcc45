#include <gtest/gtest.h>

#include <filesystem>

#include "support/cgi_pool.h"

namespace {

const char* const kBaseNames[] = {"Fcomments.gif", "Feditchoices.gif", "Fconfirmpicks.gif", "Fenterpicks.gif",
                                  "Fmainmenu.gif", "Fsubmit.gif", "Fheader.gif"};

const std::string kErrorHeading = "<H1>Error in /cgi-bin/zrp.exe</H1>";

}  // namespace

TEST(SiteImagesPage, FirstRequestWritesTheSevenImagesBesideTheProgram) {
    Pool pool;
    CgiAnswer answer = pool.Get();
    EXPECT_EQ(answer.Errors, "");
    EXPECT_FALSE(answer.HasLine(kErrorHeading));
    for (const char* base : kBaseNames) {
        std::string name = std::string("ZRP") + base;
        ASSERT_TRUE(pool.Exists(name)) << name;
        EXPECT_EQ(pool.Read(name).substr(0, 6), "GIF89a") << name;
    }
    EXPECT_EQ(pool.Read("ZRPFheader.gif").substr(6, 4), std::string("\xBF\x00\x36\x00", 4));
    for (const std::string& name : pool.Files()) EXPECT_EQ(name.find(".new"), std::string::npos) << name;
}

TEST(SiteImagesPage, ImagesTakeTheProgramsPrefix) {
    Pool pool("pool.cgi");
    pool.Get();
    EXPECT_TRUE(pool.Exists("POOLFsubmit.gif"));
    EXPECT_FALSE(pool.Exists("ZRPFsubmit.gif"));
}

TEST(SiteImagesPage, AnExistingImageIsLeftAsItIsEvenEmpty) {
    Pool pool;
    pool.Write("ZRPFsubmit.gif", "");
    pool.Write("ZRPFheader.gif", "mine");
    pool.Get();
    pool.Get();
    EXPECT_EQ(pool.Read("ZRPFsubmit.gif"), "");
    EXPECT_EQ(pool.Read("ZRPFheader.gif"), "mine");
    EXPECT_EQ(pool.Read("ZRPFmainmenu.gif").substr(0, 6), "GIF89a");
}

TEST(SiteImagesPage, MarkerFileSendsTheImagesToItsFolder) {
    Pool pool;
    std::filesystem::create_directory(pool.PathOf("pics"));
    pool.Write("zrpimage.txt", pool.PathOf("pics") + "\r\nhttp://img.test/pics/\r\n");
    CgiAnswer answer = pool.Get();
    EXPECT_FALSE(answer.HasLine(kErrorHeading));
    for (const char* base : kBaseNames) {
        EXPECT_TRUE(pool.Exists(std::string("pics/ZRP") + base)) << base;
        EXPECT_FALSE(pool.Exists(std::string("ZRP") + base)) << base;
    }
}

TEST(SiteImagesPage, BadMarkerFileEndsInTheErrorPage) {
    Pool pool;
    pool.Write("zrpimage.txt", pool.PathOf("pics") + "\r\n");
    EXPECT_TRUE(pool.Get().HasLine(kErrorHeading)) << "one line";

    pool.Write("zrpimage.txt", pool.PathOf("missing") + "\r\nhttp://img.test/\r\n");
    CgiAnswer answer = pool.Get();
    EXPECT_TRUE(answer.HasLine(kErrorHeading)) << "missing folder";
    EXPECT_EQ(answer.Errors, "");
    EXPECT_FALSE(pool.Exists("ZRPFcomments.gif"));
}
