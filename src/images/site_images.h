// The seven site images: carried in the program, written when missing.
#pragma once

#include <string>

// DataFilePrefix followed by the base name, for example "ZRPFsubmit.gif".
std::string ImageFileName(const std::string& baseName);
void WriteSiteImages();
