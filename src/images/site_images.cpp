#include "images/site_images.h"

#include <unistd.h>

#include <optional>

#include "core/files.h"
#include "core/folder_listings.h"
#include "core/run.h"
#include "core/text.h"
#include "images/site_pictures.h"

static const char* const kImageLocationFile = "zrpimage.txt";

std::string ImageFileName(std::string_view baseName) {
    std::string name = R().DataFilePrefix;
    return name.append(baseName);
}

static bool ReadImageLocation(const FolderFiles& dataFolder) {
    Run& r = R();
    r.CurrentRoutine = "ReadImageLocation";
    const std::string marker = r.DataFolder + kImageLocationFile;
    if (!dataFolder.Has(kImageLocationFile)) return false;
    LineReader reader(marker);
    std::string folder = reader.Next();
    std::string urlBase = reader.Next();
    r.ImageFolder = Trimm(folder);
    if (r.ImageFolder.empty() || r.ImageFolder.back() != '/') r.ImageFolder += '/';
    r.ImageUrlBase = Trimm(urlBase);
    return true;
}

static void ChooseImageLocation(const FolderFiles& dataFolder) {
    Run& r = R();
    if (ReadImageLocation(dataFolder)) return;
    if (r.WebRootFound) {
        r.ImageFolder = r.WebRootFolder;
        r.ImageUrlBase = r.WebRootUrl;
    } else {
        r.ImageFolder = r.DataFolder;
        r.ImageUrlBase = r.ScriptFolderUrl;
    }
}

void WriteSiteImages(const FolderFiles& dataFolder) {
    Run& r = R();
    r.CurrentRoutine = "WriteSiteImages";
    ChooseImageLocation(dataFolder);
    std::optional<FolderFiles> otherFolder;
    if (r.ImageFolder != r.DataFolder) otherFolder = ListedFolder(r.ImageFolder);
    const FolderFiles& imageFolder = otherFolder ? *otherFolder : dataFolder;
    for (const SitePicture& picture : SitePictures()) {
        const std::string name = ImageFileName(picture.BaseName);
        if (imageFolder.Has(name)) continue;
        const std::string path = r.ImageFolder + name;
        // Through a work file of this process alone: a browser fetching the picture meanwhile never gets half
        // of it, and the image folder may be shared by pools that do not share our lock.
        WriteFileVia(path, path + "." + std::to_string(getpid()) + ".new", CanvasGif(picture.Draw()));
    }
}
