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

// Seven images beside the program, each a whole GIF whose pixels fill its screen;
// an existing image, even empty, is not rewritten, and a marker file moves them
// and the help.
TEST(SiteImages, WrittenOnceBesideTheProgramOrWhereTheMarkerFileSays) {
    Pool pool;
    EXPECT_EQ(pool.Get().Errors, "");
    std::vector<std::string> gifs = pool.Files();
    std::erase_if(gifs, [](const std::string& name) { return !name.ends_with(".gif"); });
    ASSERT_EQ(gifs.size(), 7u);
    for (const std::string& name : gifs) {
        const std::string gif = pool.Read(name);
        ASSERT_EQ(gif.substr(0, 6), "GIF89a") << name;
        EXPECT_TRUE(gif.at(10) & 0x80) << name << ": no global colour table";
        std::vector<uint8_t> pixels = GifPixels(gif);
        EXPECT_EQ(pixels.size(), size_t(uint8_t(gif[6]) | gif[7] << 8) * size_t(uint8_t(gif[8]) | gif[9] << 8)) << name;
        EXPECT_LT(*std::max_element(pixels.begin(), pixels.end()), 2 << (gif.at(10) & 7)) << name;
    }

    Pool moved;
    std::filesystem::create_directory(moved.PathOf("pics"));
    moved.Write("zrpimage.txt", " " + moved.PathOf("pics") + " \r\n http://img.test/pics\r\n");
    moved.Write("pics/ZRPFsubmit.gif", "");
    EXPECT_TRUE(moved.Get().HasLine(R"(      <div align="center"><img src="http://img.test/picsZRPFheader.gif" )"
                                    R"(width="191" height="54" usemap="#Map" border="0">)"));
    EXPECT_EQ(moved.Read("pics/ZRPFsubmit.gif"), "");
    EXPECT_EQ(moved.Read("pics/ZRPFmainmenu.gif").substr(0, 6), "GIF89a");
    EXPECT_FALSE(moved.Exists("ZRPFmainmenu.gif") || moved.Exists("zrphelp"));
    EXPECT_TRUE(moved.Exists("pics/zrphelp/welcome1.html"));  // the help goes where the images go

    // A marker naming a missing folder ends in the error page and writes nothing.
    Pool bad;
    bad.Write("zrpimage.txt", bad.PathOf("missing\r\nhttp://img.test/\r\n"));
    EXPECT_TRUE(bad.Get().HasLine("<PRE>Path not found Error Number =  76</PRE>"));
    EXPECT_FALSE(bad.Exists("ZRPFcomments.gif"));
}
