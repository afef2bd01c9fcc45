// The buttons the pages show as pictures.
#pragma once

#include <string>

#include "images/canvas.h"

// A bevelled button of the given size with its label centred; the palette
// has paletteSize entries.
Canvas ButtonPicture(const std::string& label, int width, int height, int paletteSize);
