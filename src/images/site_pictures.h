// The seven pictures the pages show, drawn by the program itself.
#pragma once

#include <array>

#include "images/canvas.h"

struct SitePicture {
    const char* BaseName;
    Canvas (*Draw)();
};

// In the order in which they are checked and written.
const std::array<SitePicture, 7>& SitePictures();
