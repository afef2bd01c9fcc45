// The seven site images: carried in the program, written when missing.
#pragma once

#include <string>
#include <string_view>

// DataFilePrefix followed by the base name, for example "ZRPFsubmit.gif".
std::string ImageFileName(std::string_view baseName);
// Writes the images that are missing, in the data folder unless zrpimage.txt
// there or the web root names another.
void WriteSiteImages();
