#include "images/site_images.h"

#include "core/files.h"
#include "core/run.h"
#include "core/text.h"
#include "images/site_pictures.h"

static const char* const kImageLocationFile = "zrpimage.txt";

std::string ImageFileName(const std::string& baseName) { return R().DataFilePrefix + baseName; }

bool ReadImageLocation() {
    Run& r = R();
    r.CurrentRoutine = "ReadImageLocation";
    const std::string marker = r.DataFolder + kImageLocationFile;
    if (!FileExists(marker)) return false;
    LineReader reader(marker);
    std::string folder = reader.Next();
    std::string urlBase = reader.Next();
    r.ImageFolder = Trimm(folder);
    if (r.ImageFolder.empty() || r.ImageFolder.back() != '/') r.ImageFolder += '/';
    r.ImageUrlBase = Trimm(urlBase);
    return true;
}

static void ChooseImageLocation() {
    Run& r = R();
    if (ReadImageLocation()) return;
    if (r.WebRootFound) {
        r.ImageFolder = r.WebRootFolder;
        r.ImageUrlBase = r.WebRootUrl;
    } else {
        r.ImageFolder = r.DataFolder;
        r.ImageUrlBase = r.ScriptFolderUrl;
    }
}

void WriteSiteImages() {
    R().CurrentRoutine = "WriteSiteImages";
    ChooseImageLocation();
    for (const SitePicture& picture : SitePictures()) {
        const std::string path = R().ImageFolder + ImageFileName(picture.BaseName);
        // Written through a temporary file so a browser fetching it meanwhile never gets half a picture.
        if (!FileExists(path)) WriteFileAtomic(path, CanvasGif(picture.Draw()));
    }
}
