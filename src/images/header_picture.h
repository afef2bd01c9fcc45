// The banner at the head of every page.
#pragma once

#include "images/canvas.h"

// A football field with the pool's title.
Canvas HeaderPicture();
