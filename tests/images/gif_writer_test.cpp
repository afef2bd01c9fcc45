#include "images/gif_writer.h"

#include <gtest/gtest.h>

#include "images/gif_reader.h"

namespace {

// Repeatable noise: a linear congruential generator.
std::vector<uint8_t> Noise(size_t count, int colours, uint32_t seed = 12345) {
    std::vector<uint8_t> pixels(count);
    for (uint8_t& p : pixels) {
        seed = seed * 1103515245u + 12345u;
        p = static_cast<uint8_t>((seed >> 16) % static_cast<uint32_t>(colours));
    }
    return pixels;
}

std::vector<Rgb> Palette(int entries) {
    std::vector<Rgb> palette;
    for (int i = 0; i < entries; ++i) palette.push_back({uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)});
    return palette;
}

}  // namespace

TEST(LzwCompress, NoisePastAFullTableComesBackAfterResets) {
    for (int minCodeSize : {2, 5, 8}) {
        std::vector<uint8_t> pixels = Noise(90000, 1 << minCodeSize);
        LzwResult decoded = LzwDecode(LzwCompress(pixels, minCodeSize), minCodeSize);
        EXPECT_EQ(decoded.Pixels, pixels) << "min code size " << minCodeSize;
        EXPECT_GT(decoded.ClearCodes, 2) << "the table never filled up";
    }
}

TEST(LzwCompress, EveryLengthAcrossTheCodeSizeSteps) {
    // Ends of stream at and just around each widening of the codes.
    std::vector<uint8_t> noise = Noise(2200, 4, 99);
    for (size_t length = 0; length <= noise.size(); length += (length < 300 ? 1 : 7)) {
        std::vector<uint8_t> pixels(noise.begin(), noise.begin() + static_cast<long>(length));
        ASSERT_EQ(LzwDecode(LzwCompress(pixels, 2), 2).Pixels, pixels) << "length " << length;
    }
}

TEST(LzwCompress, LongRunsOfOneColourUseTheNewestCode) {
    std::vector<uint8_t> pixels(40000, 3);
    pixels[20000] = 1;
    std::string codes = LzwCompress(pixels, 8);
    EXPECT_EQ(LzwDecode(codes, 8).Pixels, pixels);
    EXPECT_LT(codes.size(), 800u);
}

TEST(GifBytes, HeaderTableAndImageOfASmallPicture) {
    std::vector<uint8_t> pixels = {0, 1, 2, 3, 3, 2};
    std::string bytes = GifBytes(3, 2, Palette(4), pixels);
    const std::string head = std::string("GIF89a\x03\x00\x02\x00\x91\x00\x00", 13);
    EXPECT_EQ(bytes.substr(0, 13), head);
    EXPECT_EQ(bytes.back(), ';');
    GifFile gif = ReadGif(bytes);
    EXPECT_EQ(gif.TableSize, 4);
    EXPECT_EQ(gif.Table, std::string("\x00\xFF\x00\x01\xFE\x07\x02\xFD\x0E\x03\xFC\x15", 12));
    EXPECT_EQ(gif.MinCodeSize, 2);
    EXPECT_EQ(gif.Image.Pixels, pixels);
}

TEST(GifBytes, RefusesAPaletteThatIsNoPowerOfTwoOrPixelsOutsideIt) {
    EXPECT_THROW(GifBytes(1, 1, Palette(3), {0}), std::invalid_argument);
    EXPECT_THROW(GifBytes(2, 1, Palette(4), {0, 4}), std::invalid_argument);
}
