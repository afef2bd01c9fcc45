#include "images/gif_writer.h"

#include <array>

namespace {

constexpr int kMaxCodeSize = 12;
constexpr int kTableLimit = 1 << kMaxCodeSize;

// Packs codes of varying width into bytes, low bit first.
class CodePacker {
public:
    void Put(int code, int size) {
        bits_ |= static_cast<uint32_t>(code) << count_;
        count_ += size;
        while (count_ >= 8) {
            out_ += static_cast<char>(bits_ & 0xFF);
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    std::string Finish() {
        if (count_ > 0) out_ += static_cast<char>(bits_ & 0xFF);
        return std::move(out_);
    }

private:
    std::string out_;
    uint32_t bits_ = 0;
    int count_ = 0;
};

void Put16(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

int BitsFor(size_t paletteSize) {
    int bits = 1;
    while ((size_t{1} << bits) < paletteSize) ++bits;
    return bits;
}

// The image data: the minimum code size, then the code stream cut into
// sub-blocks of at most 255 bytes, then the empty block.
void PutImageData(std::string& out, const std::vector<uint8_t>& pixels, int minCodeSize) {
    out += static_cast<char>(minCodeSize);
    std::string codes = LzwCompress(pixels, minCodeSize);
    for (size_t at = 0; at < codes.size(); at += 255) {
        std::string block = codes.substr(at, 255);
        out += static_cast<char>(block.size());
        out += block;
    }
    out += '\0';
}

}  // namespace

std::string LzwCompress(const std::vector<uint8_t>& pixels, int minCodeSize) {
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    // The string table as a trie: child[code][pixel] is the code of that string
    // followed by the pixel, or 0 when it has none yet (0 is never a child).
    std::vector<std::array<uint16_t, 256>> child(kTableLimit);
    CodePacker packer;
    int codeSize = minCodeSize + 1;
    int nextCode = clearCode + 2;
    packer.Put(clearCode, codeSize);
    if (pixels.empty()) {
        packer.Put(endCode, codeSize);
        return packer.Finish();
    }
    int prefix = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        uint8_t pixel = pixels[i];
        uint16_t known = child[prefix][pixel];
        if (known != 0) {
            prefix = known;
            continue;
        }
        packer.Put(prefix, codeSize);
        if (nextCode < kTableLimit) {
            child[prefix][pixel] = static_cast<uint16_t>(nextCode);
            // The reader widens its codes once its table reaches the next power of two.
            if (nextCode == (1 << codeSize) && codeSize < kMaxCodeSize) ++codeSize;
            ++nextCode;
        } else {
            // Full table: start afresh rather than carry on with stale strings.
            packer.Put(clearCode, codeSize);
            child.assign(kTableLimit, {});
            codeSize = minCodeSize + 1;
            nextCode = clearCode + 2;
        }
        prefix = pixel;
    }
    packer.Put(prefix, codeSize);
    // The reader adds a string after the last code as after any other, so the
    // end code may already need the wider size.
    if (nextCode == (1 << codeSize) && codeSize < kMaxCodeSize) ++codeSize;
    packer.Put(endCode, codeSize);
    return packer.Finish();
}

std::string GifBytes(int width, int height, const std::vector<Rgb>& palette, const std::vector<uint8_t>& pixels) {
    const int bits = BitsFor(palette.size());
    std::string out = "GIF89a";
    Put16(out, width);
    Put16(out, height);
    // Global colour table present, its colour resolution and size.
    out += static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1));
    out += '\0';  // background colour index
    out += '\0';  // square pixels
    for (const Rgb& c : palette) {
        out += static_cast<char>(c.R);
        out += static_cast<char>(c.G);
        out += static_cast<char>(c.B);
    }
    out += ',';  // image descriptor: the whole screen, no local table, not interlaced
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, width);
    Put16(out, height);
    out += '\0';
    PutImageData(out, pixels, bits < 2 ? 2 : bits);
    out += ';';
    return out;
}
