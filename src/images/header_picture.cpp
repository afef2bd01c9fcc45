#include "images/pictures.h"

namespace {

enum HeaderColour : uint8_t {
    kFrame, kGrassLight, kGrassDark, kChalk, kNavy, kGold, kBlack, kLeather, kLeatherDark, kCream
};

constexpr int kWidth = 191;
constexpr int kHeight = 54;
constexpr int kGoalLeft = 15;
constexpr int kGoalRight = 175;
constexpr int kTenYards = 16;
// The title panel is the banner's link area on the pages.
constexpr int kPanelX = 16, kPanelY = 29, kPanelWidth = 158, kPanelHeight = 22;

std::vector<Rgb> HeaderPalette() {
    std::vector<Rgb> palette = {{0x0B, 0x3D, 0x0B}, {0x2E, 0x8B, 0x2E}, {0x23, 0x74, 0x23}, {0xFF, 0xFF, 0xFF},
                                {0x00, 0x00, 0x66}, {0xFF, 0xCC, 0x00}, {0x00, 0x00, 0x00}, {0x9C, 0x4F, 0x1C},
                                {0x5A, 0x2D, 0x0C}, {0xFF, 0xFF, 0xCC}};
    palette.resize(32, Rgb{0, 0, 0});
    return palette;
}

// Mowing stripes ten yards wide between the goal lines.
uint8_t Grass(int x) { return ((x - kGoalLeft) / kTenYards) % 2 ? kGrassDark : kGrassLight; }

// Sidelines round the field, goal lines and yard lines, with the yard
// numbers set into the lines near the top.
void DrawMarkings(Canvas& c) {
    FillRect(c, 0, 0, kWidth, kHeight, kFrame);
    FillRect(c, 1, 1, kWidth - 2, kHeight - 2, kChalk);
    FillRect(c, 2, 2, kWidth - 4, kHeight - 4, kNavy);
    for (int x = kGoalLeft; x < kGoalRight; ++x) FillRect(c, x, 2, 1, kHeight - 4, Grass(x));
    for (int x = kGoalLeft; x <= kGoalRight; x += kTenYards) FillRect(c, x, 2, 1, kHeight - 4, kChalk);
    const char* numbers[] = {"10", "20", "30", "40", "50", "40", "30", "20", "10"};
    for (int i = 0; i < 9; ++i) {
        int line = kGoalLeft + kTenYards * (i + 1);
        FillRect(c, line, 3, 1, 9, Grass(line));
        DrawText(c, line - 5, 4, numbers[i], kChalk);
    }
}

// A football lying on the fifty, laces up.
void DrawBall(Canvas& c) {
    const int cx = kGoalLeft + 5 * kTenYards, cy = 19;
    FillEllipse(c, cx, cy, 11, 6, kLeatherDark);
    FillEllipse(c, cx, cy, 10, 5, kLeather);
    FillRect(c, cx - 7, cy - 3, 1, 7, kChalk);
    FillRect(c, cx + 7, cy - 3, 1, 7, kChalk);
    FillRect(c, cx - 4, cy, 9, 1, kChalk);
    for (int x = cx - 3; x <= cx + 3; x += 2) FillRect(c, x, cy - 1, 1, 3, kChalk);
}

void DrawTitlePanel(Canvas& c) {
    FillRect(c, kPanelX, kPanelY, kPanelWidth, kPanelHeight, kGold);
    FillRect(c, kPanelX + 1, kPanelY + 1, kPanelWidth - 2, kPanelHeight - 2, kNavy);
    const std::string title = "The Zarn Pool Online!";
    const TextStyle style{2, true};
    const int x = kPanelX + (kPanelWidth - TextWidth(title, style)) / 2;
    const int top = kPanelY + (kPanelHeight - TextHeight(style)) / 2;
    DrawText(c, x + 1, top + 1, title, kBlack, style);
    DrawText(c, x, top, title, kCream, style);
}

}  // namespace

Canvas HeaderPicture() {
    Canvas c(kWidth, kHeight, HeaderPalette());
    DrawMarkings(c);
    DrawBall(c);
    DrawTitlePanel(c);
    return c;
}
