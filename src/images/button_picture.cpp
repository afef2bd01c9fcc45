#include "images/pictures.h"

namespace {

enum ButtonColour : uint8_t { kEdge, kLight, kDark, kLabel, kLabelShadow, kFaceTop };

constexpr Rgb kFaceFrom{0x4A, 0x5C, 0xB8};
constexpr Rgb kFaceTo{0x00, 0x00, 0x66};

uint8_t Blend(uint8_t from, uint8_t to, int step, int steps) {
    return static_cast<uint8_t>(from + (to - from) * step / (steps > 1 ? steps - 1 : 1));
}

// The fixed colours first, then one shade per face row, then black.
std::vector<Rgb> ButtonPalette(int faceRows, int paletteSize) {
    std::vector<Rgb> palette = {{0x00, 0x00, 0x33}, {0x9A, 0xA8, 0xE8}, {0x00, 0x00, 0x2A},
                                {0xFF, 0xFF, 0xCC}, {0x00, 0x00, 0x22}};
    for (int row = 0; row < faceRows; ++row)
        palette.push_back({Blend(kFaceFrom.R, kFaceTo.R, row, faceRows), Blend(kFaceFrom.G, kFaceTo.G, row, faceRows),
                           Blend(kFaceFrom.B, kFaceTo.B, row, faceRows)});
    palette.resize(static_cast<size_t>(paletteSize), Rgb{0, 0, 0});
    return palette;
}

// A dark edge, a light rim above and left, a dark rim below and right.
void DrawBevel(Canvas& c) {
    FillRect(c, 0, 0, c.Width, c.Height, kEdge);
    FillRect(c, 1, 1, c.Width - 2, 1, kLight);
    FillRect(c, 1, 1, 1, c.Height - 2, kLight);
    FillRect(c, 1, c.Height - 2, c.Width - 2, 1, kDark);
    FillRect(c, c.Width - 2, 2, 1, c.Height - 3, kDark);
}

}  // namespace

Canvas ButtonPicture(const std::string& label, int width, int height, int paletteSize) {
    const int faceRows = height - 4;
    Canvas c(width, height, ButtonPalette(faceRows, paletteSize));
    DrawBevel(c);
    for (int row = 0; row < faceRows; ++row)
        FillRect(c, 2, 2 + row, width - 4, 1, static_cast<uint8_t>(kFaceTop + row));
    const int x = (width - TextWidth(label)) / 2;
    const int top = (height - TextHeight()) / 2;
    DrawText(c, x + 1, top + 1, label, kLabelShadow);
    DrawText(c, x, top, label, kLabel);
    return c;
}
