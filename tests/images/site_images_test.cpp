#include "images/site_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "images/gif_writer.h"
#include "support/cgi_pool.h"

namespace {

// Decodes a code stream as a GIF viewer does: codes widen when the table reaches the next power of two, up
// to 12 bits; the end code must sit in the last byte.
std::vector<uint8_t> Unlzw(const std::string& codes, int minSize) {
    const int clear = 1 << minSize;
    std::vector<std::vector<uint8_t>> table;
    std::vector<uint8_t> pixels;
    size_t bit = 0;
    for (int size = minSize + 1, previous = -1, code = 0; code != clear + 1; previous = code) {
        code = 0;
        for (int i = 0; i < size; ++i, ++bit) code |= (static_cast<uint8_t>(codes.at(bit / 8)) >> bit % 8 & 1) << i;
        const int next = static_cast<int>(table.size());
        if (code == clear) {
            table.assign(clear + 2, {});
            for (int i = 0; i < clear; ++i) table[i] = {static_cast<uint8_t>(i)};
            size = minSize + 1;
            code = -1;
        } else if (code != clear + 1) {
            if (code > next || (previous < 0 && code >= clear)) throw std::runtime_error("code beyond the table");
            std::vector<uint8_t> entry = table.at(code < next ? code : previous);
            if (code == next) entry.push_back(entry[0]);
            pixels.insert(pixels.end(), entry.begin(), entry.end());
            if (previous >= 0 && next < 4096) {
                std::vector<uint8_t> added = table[previous];
                added.push_back(entry[0]);
                table.push_back(std::move(added));
                if (next + 1 == 1 << size && size < 12) ++size;
            }
        }
    }
    EXPECT_EQ((bit + 7) / 8, codes.size()) << "bytes after the end code";
    return pixels;
}

// The pixels of a GIF file holding one image that covers the screen.
std::vector<uint8_t> GifPixels(const std::string& gif) {
    size_t at = 13 + 3 * (size_t{2} << (gif.at(10) & 7));
    auto subBlocks = [&] {
        std::string data;
        for (size_t n; (n = static_cast<uint8_t>(gif.at(at++))) != 0; at += n) data += gif.substr(at, n);
        return data;
    };
    for (; gif.at(at) == '!'; subBlocks()) at += 2;  // extension blocks
    EXPECT_EQ(gif.substr(at, 10), std::string(",\0\0\0\0", 5) + gif.substr(6, 4) + '\0') << "image descriptor";
    at += 10;
    const int minSize = gif.at(at++);
    std::vector<uint8_t> pixels = Unlzw(subBlocks(), minSize);
    EXPECT_EQ(at + 1, gif.size()) << "trailer";
    return pixels;
}

// Repeatable noise from a linear congruential generator.
std::vector<uint8_t> Noise(size_t count, int colours) {
    std::vector<uint8_t> pixels(count);
    uint32_t seed = 12345;
    for (uint8_t& p : pixels) p = static_cast<uint8_t>(((seed = seed * 1103515245u + 12345u) >> 16) % colours);
    return pixels;
}

// The page banner's picture line for an image URL prefix.
std::string BannerLine(const std::string& urlBase) {
    return R"(      <div align="center"><img src=")" + urlBase +
           R"(ZRPFheader.gif" width="191" height="54" usemap="#Map" border="0">)";
}

struct Image {
    const char* Name;
    int Width, Height, TableSize;
};
const Image kImages[] = {{"Fcomments.gif", 197, 19, 256}, {"Feditchoices.gif", 169, 23, 256},
                         {"Fconfirmpicks.gif", 134, 22, 256}, {"Fenterpicks.gif", 109, 22, 256},
                         {"Fmainmenu.gif", 201, 22, 256}, {"Fsubmit.gif", 70, 22, 128},
                         {"Fheader.gif", 191, 54, 32}};

}  // namespace

// Noise past a full table comes back after resets; streams end at and around every code size step.
TEST(LzwCompress, DecodesBackWhereverTheStreamEnds) {
    for (int minSize : {2, 8}) {
        std::vector<uint8_t> pixels = Noise(90000, 1 << minSize);
        EXPECT_EQ(Unlzw(LzwCompress(pixels, minSize), minSize), pixels) << "min code size " << minSize;
    }
    std::vector<uint8_t> noise = Noise(2200, 4);
    for (size_t length = 0; length <= noise.size(); length += (length < 300 ? 1 : 7)) {
        std::vector<uint8_t> pixels(noise.begin(), noise.begin() + static_cast<long>(length));
        ASSERT_EQ(Unlzw(LzwCompress(pixels, 2), 2), pixels) << "length " << length;
    }
}

TEST(SiteImages, FirstRequestWritesTheSevenImagesBesideTheProgram) {
    Pool pool;
    CgiAnswer answer = pool.Get();
    EXPECT_EQ(answer.Errors, "");
    EXPECT_TRUE(answer.HasLine(BannerLine("http://pool.test/cgi-bin/")));
    for (const Image& e : kImages) {
        SCOPED_TRACE(e.Name);
        const std::string gif = pool.Read(std::string("ZRP") + e.Name);
        const std::string size = {char(e.Width), char(e.Width >> 8), char(e.Height), char(e.Height >> 8)};
        EXPECT_EQ(gif.substr(0, 10), "GIF89a" + size);
        EXPECT_TRUE(gif.at(10) & 0x80) << "no global colour table";
        EXPECT_EQ(2 << (gif.at(10) & 7), e.TableSize);
        EXPECT_EQ(gif.back(), 0x3B);
        std::vector<uint8_t> pixels = GifPixels(gif);
        EXPECT_EQ(pixels.size(), size_t(e.Width) * e.Height);
        EXPECT_LT(*std::max_element(pixels.begin(), pixels.end()), e.TableSize);
    }
    for (const std::string& name : pool.Files()) EXPECT_EQ(name.find(".new"), std::string::npos) << name;
}

// An existing image, even empty, is not rewritten.
TEST(SiteImages, AMarkerFileMovesTheImagesKeepingItsUrlPrefixOrEndsInTheErrorPage) {
    Pool pool;
    std::filesystem::create_directory(pool.PathOf("pics"));
    pool.Write("zrpimage.txt", " " + pool.PathOf("pics") + " \r\n http://img.test/pics\r\n");
    pool.Write("pics/ZRPFsubmit.gif", "");
    pool.Write("pics/ZRPFheader.gif", "mine");
    EXPECT_TRUE(pool.Get().HasLine(BannerLine("http://img.test/pics")));
    for (const Image& e : kImages)
        EXPECT_TRUE(pool.Exists(std::string("pics/ZRP") + e.Name) && !pool.Exists(std::string("ZRP") + e.Name)) << e.Name;
    EXPECT_EQ(pool.Read("pics/ZRPFsubmit.gif") + pool.Read("pics/ZRPFheader.gif"), "mine");
    EXPECT_EQ(pool.Read("pics/ZRPFmainmenu.gif").substr(0, 6), "GIF89a");

    // A marker of one line or naming a missing folder ends in the error page.
    const std::pair<std::string, std::string> cases[] = {
        {"pics\r\n", "<PRE>Input past end of file Error Number =  62</PRE>"},
        {"missing\r\nhttp://img.test/\r\n", "<PRE>Path not found Error Number =  76</PRE>"}};
    for (const auto& [marker, error] : cases) {
        Pool bad;
        bad.Write("zrpimage.txt", bad.PathOf(marker));
        CgiAnswer answer = bad.Get();
        EXPECT_TRUE(answer.IsErrorPage() && answer.HasLine(error)) << marker;
        EXPECT_EQ(answer.Errors, "");
        EXPECT_FALSE(bad.Exists("ZRPFcomments.gif"));
    }
}
