// Folder listings kept from one run to the next. Every run looks for its
// work files, images and help pages by name; a folder whose stamp (device,
// file number, and its last change and status change to the nanosecond) is
// still the one it had when it was listed holds the same names, so the
// listing made then answers for it. They are kept in the data folder in
// ZRP__FolderListings.dat (the data file prefix and "__FolderListings.dat"),
// rewritten in place with a checksum: a missing, torn or stale copy only
// means listing again.
#pragma once

#include <string>

#include "core/files.h"

// The files of folder as a listing made now would give them.
FolderFiles ListedFolder(const std::string& folder);
// Keeps the listings this run made for the next runs, when it made any. A
// failure to write them is ignored: they are made again.
void KeepFolderListings();
