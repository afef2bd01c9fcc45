// The seven pictures the pages show, drawn by the program itself.
#pragma once

#include <array>
#include <string>

#include "images/canvas.h"

struct SitePicture {
    const char* BaseName;
    Canvas (*Draw)();
};

// In the order in which they are checked and written.
const std::array<SitePicture, 7>& SitePictures();

// A bevelled button of the given size with its label centred; the palette
// has paletteSize entries.
Canvas ButtonPicture(const std::string& label, int width, int height, int paletteSize);
// The page header's banner: a football field with the pool's title.
Canvas HeaderPicture();
