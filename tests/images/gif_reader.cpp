#include "images/gif_reader.h"

#include <stdexcept>

namespace {

class BitReader {
public:
    explicit BitReader(const std::string& bytes) : bytes_(bytes) {}
    int Read(int size) {
        int value = 0;
        for (int i = 0; i < size; ++i, ++bit_) {
            if (bit_ / 8 >= bytes_.size()) throw std::runtime_error("code stream ends inside a code");
            value |= ((static_cast<uint8_t>(bytes_[bit_ / 8]) >> (bit_ % 8)) & 1) << i;
        }
        return value;
    }
    // True when only zero padding of the last byte is left.
    bool OnlyPaddingLeft() const {
        if ((bit_ + 7) / 8 != bytes_.size()) return false;
        return bit_ % 8 == 0 || (static_cast<uint8_t>(bytes_.back()) >> (bit_ % 8)) == 0;
    }

private:
    const std::string& bytes_;
    size_t bit_ = 0;
};

class Cursor {
public:
    explicit Cursor(const std::string& bytes) : bytes_(bytes) {}
    uint8_t Byte() {
        if (at_ >= bytes_.size()) throw std::runtime_error("file ends early");
        return static_cast<uint8_t>(bytes_[at_++]);
    }
    int Word() {
        int low = Byte();
        return low | (Byte() << 8);
    }
    std::string Take(size_t n) {
        if (at_ + n > bytes_.size()) throw std::runtime_error("file ends early");
        std::string out = bytes_.substr(at_, n);
        at_ += n;
        return out;
    }
    bool AtEnd() const { return at_ == bytes_.size(); }

private:
    const std::string& bytes_;
    size_t at_ = 0;
};

std::string SubBlocks(Cursor& in) {
    std::string data;
    while (uint8_t size = in.Byte()) data += in.Take(size);
    return data;
}

}  // namespace

LzwResult LzwDecode(const std::string& codes, int minCodeSize) {
    const int clear = 1 << minCodeSize, end = clear + 1;
    std::vector<std::vector<uint8_t>> table;
    auto reset = [&] {
        table.assign(static_cast<size_t>(clear) + 2, {});
        for (int i = 0; i < clear; ++i) table[i] = {static_cast<uint8_t>(i)};
    };
    reset();
    LzwResult result;
    BitReader bits(codes);
    int size = minCodeSize + 1, previous = -1;
    for (;;) {
        int code = bits.Read(size);
        if (code == clear) {
            reset();
            size = minCodeSize + 1;
            previous = -1;
            ++result.ClearCodes;
            continue;
        }
        if (code == end) break;
        std::vector<uint8_t> entry;
        if (previous < 0) {
            if (code >= clear) throw std::runtime_error("first code after a clear is not a pixel");
        } else if (code == static_cast<int>(table.size())) {
            entry = table[previous];
            entry.push_back(table[previous][0]);
        } else if (code > static_cast<int>(table.size())) {
            throw std::runtime_error("code " + std::to_string(code) + " beyond the table");
        }
        if (entry.empty()) entry = table[code];
        result.Pixels.insert(result.Pixels.end(), entry.begin(), entry.end());
        if (previous >= 0 && table.size() < 4096) {
            std::vector<uint8_t> added = table[previous];
            added.push_back(entry[0]);
            table.push_back(added);
            if (table.size() == (size_t{1} << size) && size < 12) ++size;
        }
        previous = code;
    }
    if (!bits.OnlyPaddingLeft()) throw std::runtime_error("bytes after the end code");
    return result;
}

GifFile ReadGif(const std::string& bytes) {
    Cursor in(bytes);
    if (in.Take(6) != "GIF89a") throw std::runtime_error("not a GIF89a file");
    GifFile gif;
    gif.Width = in.Word();
    gif.Height = in.Word();
    gif.Packed = in.Byte();
    in.Byte();  // background
    in.Byte();  // aspect
    if (!(gif.Packed & 0x80)) throw std::runtime_error("no global colour table");
    gif.TableSize = 2 << (gif.Packed & 7);
    gif.Table = in.Take(3 * static_cast<size_t>(gif.TableSize));
    for (uint8_t block = in.Byte(); block != ','; block = in.Byte()) {
        if (block != '!') throw std::runtime_error("unknown block");
        in.Byte();  // extension label
        SubBlocks(in);
    }
    if (in.Word() != 0 || in.Word() != 0 || in.Word() != gif.Width || in.Word() != gif.Height || in.Byte() != 0)
        throw std::runtime_error("image descriptor does not cover the screen");
    gif.MinCodeSize = in.Byte();
    gif.Image = LzwDecode(SubBlocks(in), gif.MinCodeSize);
    if (gif.Image.Pixels.size() != static_cast<size_t>(gif.Width) * gif.Height)
        throw std::runtime_error("pixel count differs from the image size");
    if (in.Byte() != ';' || !in.AtEnd()) throw std::runtime_error("no trailer at the end");
    return gif;
}
