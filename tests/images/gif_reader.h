// A strict reader for the GIF files the program writes, used to check them
// pixel by pixel. Anything malformed throws std::runtime_error.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct LzwResult {
    std::vector<uint8_t> Pixels;
    int ClearCodes = 0;  // clear codes met, the leading one included
};

// Decodes one code stream as a GIF decoder does: codes widen when the table
// reaches the next power of two, up to 12 bits; the stream must end with the
// end code followed only by padding bits.
LzwResult LzwDecode(const std::string& codes, int minCodeSize);

struct GifFile {
    int Width = 0;
    int Height = 0;
    uint8_t Packed = 0;  // the screen descriptor's flags byte
    int TableSize = 0;   // entries of the global colour table
    std::string Table;   // its bytes, three per entry
    int MinCodeSize = 0;
    LzwResult Image;
};

GifFile ReadGif(const std::string& bytes);
