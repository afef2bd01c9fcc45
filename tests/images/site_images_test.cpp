#include "images/site_images.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/files.h"
#include "core/run.h"

namespace fs = std::filesystem;

namespace {

// A run whose data folder is a fresh temporary folder.
class SiteImagesRun : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/zrp-images-XXXXXX";
        folder_ = std::string(mkdtemp(pattern)) + "/";
        ResetRun();
        R().DataFolder = folder_;
        R().DataFilePrefix = "ZRP";
        R().ScriptFolderUrl = "http://pool.test/cgi-bin/";
    }
    void TearDown() override { fs::remove_all(folder_); }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ + name, std::ios::binary) << bytes;
    }
    std::string folder_;
};

}  // namespace

TEST_F(SiteImagesRun, MarkerFirstThenWebRootThenTheProgramsOwnFolder) {
    EXPECT_FALSE(ReadImageLocation());
    WriteSiteImages();
    EXPECT_EQ(R().ImageFolder, folder_);
    EXPECT_EQ(R().ImageUrlBase, "http://pool.test/cgi-bin/");

    fs::create_directory(folder_ + "htdocs");
    R().WebRootFound = true;
    R().WebRootFolder = folder_ + "htdocs/";
    R().WebRootUrl = "http://pool.test/";
    WriteSiteImages();
    EXPECT_EQ(R().ImageFolder, folder_ + "htdocs/");
    EXPECT_EQ(R().ImageUrlBase, "http://pool.test/");
    EXPECT_TRUE(FileExists(folder_ + "htdocs/ZRPFheader.gif"));

    fs::create_directory(folder_ + "pics");
    Write("zrpimage.txt", " " + folder_ + "pics \t\r\n  http://img.test/pics\r\n");
    WriteSiteImages();
    EXPECT_EQ(R().ImageFolder, folder_ + "pics/");
    EXPECT_EQ(R().ImageUrlBase, "http://img.test/pics");
    EXPECT_TRUE(FileExists(folder_ + "pics/ZRPFheader.gif"));
}

TEST_F(SiteImagesRun, MarkerFolderWithItsSlashIsKeptAsItIs) {
    Write("zrpimage.txt", folder_ + "\nhttp://img.test/\n");
    EXPECT_TRUE(ReadImageLocation());
    EXPECT_EQ(R().ImageFolder, folder_);
    EXPECT_EQ(R().ImageUrlBase, "http://img.test/");
}
