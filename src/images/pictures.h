// The pictures the pages show, drawn by the program itself.
#pragma once

#include <string>

#include "images/canvas.h"

// A bevelled button of the given size with its label centred; the palette
// has paletteSize entries.
Canvas ButtonPicture(const std::string& label, int width, int height, int paletteSize);
// The banner at the head of every page: a football field with the pool's title.
Canvas HeaderPicture();
