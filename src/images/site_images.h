// The seven site images: carried in the program, written when missing.
#pragma once

#include <string>
#include <string_view>

#include "core/files.h"

// DataFilePrefix followed by the base name, for example "ZRPFsubmit.gif".
std::string ImageFileName(std::string_view baseName);
// dataFolder: the listing of the data folder, where zrpimage.txt and, by
// default, the images are.
void WriteSiteImages(const FolderFiles& dataFolder);
