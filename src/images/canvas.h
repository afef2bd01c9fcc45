// A palette picture to draw the site images on, and the few drawing steps
// they need. Drawing outside the picture is clipped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "images/gif_writer.h"

struct Canvas {
    int Width;
    int Height;
    std::vector<Rgb> Palette;
    std::vector<uint8_t> Pixels;  // palette indexes, row by row

    Canvas(int width, int height, std::vector<Rgb> palette, uint8_t background = 0);
    void Set(int x, int y, uint8_t colour);
};

struct TextStyle {
    int ScaleY = 1;  // rows per glyph row
    bool Bold = false;  // each stroke doubled one column to the right
};

void FillRect(Canvas& canvas, int x, int y, int width, int height, uint8_t colour);
// The ellipse with centre (cx, cy) and half axes rx, ry.
void FillEllipse(Canvas& canvas, int cx, int cy, int rx, int ry, uint8_t colour);
// Width and height in pixels of text as DrawText draws it (height without descent).
int TextWidth(const std::string& text, const TextStyle& style = {});
int TextHeight(const TextStyle& style = {});
// Draws text with the top of its capitals at row top.
void DrawText(Canvas& canvas, int x, int top, const std::string& text, uint8_t colour, const TextStyle& style = {});
std::string CanvasGif(const Canvas& canvas);
