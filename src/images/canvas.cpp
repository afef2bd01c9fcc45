#include "images/canvas.h"

#include "images/bitmap_font.h"

Canvas::Canvas(int width, int height, std::vector<Rgb> palette, uint8_t background)
    : Width(width), Height(height), Palette(std::move(palette)),
      Pixels(static_cast<size_t>(width) * static_cast<size_t>(height), background) {}

void Canvas::Set(int x, int y, uint8_t colour) {
    if (x < 0 || y < 0 || x >= Width || y >= Height) return;
    Pixels[static_cast<size_t>(y) * Width + x] = colour;
}

void FillRect(Canvas& canvas, int x, int y, int width, int height, uint8_t colour) {
    for (int row = y; row < y + height; ++row)
        for (int col = x; col < x + width; ++col) canvas.Set(col, row, colour);
}

void FillEllipse(Canvas& canvas, int cx, int cy, int rx, int ry, uint8_t colour) {
    // Whole numbers only, so the picture is the same on every machine.
    const long rx2 = long{rx} * rx, ry2 = long{ry} * ry;
    for (int dy = -ry; dy <= ry; ++dy)
        for (int dx = -rx; dx <= rx; ++dx)
            if (dx * dx * ry2 + dy * dy * rx2 <= rx2 * ry2) canvas.Set(cx + dx, cy + dy, colour);
}

static int GlyphAdvance(char c, const TextStyle& style) {
    int width = static_cast<int>(GlyphRows(c).front().size()) + (style.Bold ? 1 : 0);
    return width + 1;
}

int TextWidth(const std::string& text, const TextStyle& style) {
    int width = 0;
    for (char c : text) width += GlyphAdvance(c, style);
    return text.empty() ? 0 : width - 1;
}

int TextHeight(const TextStyle& style) { return kFontAscent * style.ScaleY; }

static void DrawGlyph(Canvas& canvas, int x, int top, char c, uint8_t colour, const TextStyle& style) {
    std::vector<std::string> rows = GlyphRows(c);
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t col = 0; col < rows[row].size(); ++col) {
            if (rows[row][col] != '#') continue;
            int px = x + static_cast<int>(col);
            int py = top + static_cast<int>(row) * style.ScaleY;
            FillRect(canvas, px, py, style.Bold ? 2 : 1, style.ScaleY, colour);
        }
}

void DrawText(Canvas& canvas, int x, int top, const std::string& text, uint8_t colour, const TextStyle& style) {
    for (char c : text) {
        DrawGlyph(canvas, x, top, c, colour, style);
        x += GlyphAdvance(c, style);
    }
}

std::string CanvasGif(const Canvas& canvas) {
    return GifBytes(canvas.Width, canvas.Height, canvas.Palette, canvas.Pixels);
}
