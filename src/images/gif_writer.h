// A GIF89a file of one full-size image with a global colour table, and the
// variable-code-size LZW compression that the format asks for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    uint8_t R, G, B;
};

// The LZW code stream of pixels (each below 1 << minCodeSize), packed
// low bit first, as it goes into the image data sub-blocks.
std::string LzwCompress(const std::vector<uint8_t>& pixels, int minCodeSize);

// The whole file. The palette size must be a power of two from 2 to 256 and
// every pixel an index into it; pixels run row by row from the top left.
std::string GifBytes(int width, int height, const std::vector<Rgb>& palette, const std::vector<uint8_t>& pixels);
