#include "images/site_images.h"

#include <unistd.h>

#include "core/files.h"
#include "core/run.h"
#include "core/text.h"
#include "images/pictures.h"

static const char* const kImageLocationFile = "zrpimage.txt";

// In the order in which they are checked and written.
static const struct {
    const char* BaseName;
    Canvas (*Draw)();
} kPictures[] = {
    {"Fcomments.gif", [] { return ButtonPicture("Add Your Comments", 197, 19, 256); }},
    {"Feditchoices.gif", [] { return ButtonPicture("Edit Your Picks", 169, 23, 256); }},
    {"Fconfirmpicks.gif", [] { return ButtonPicture("Confirm Your Picks", 134, 22, 256); }},
    {"Fenterpicks.gif", [] { return ButtonPicture("Enter Your Picks", 109, 22, 256); }},
    {"Fmainmenu.gif", [] { return ButtonPicture("Return to Main Menu", 201, 22, 256); }},
    {"Fsubmit.gif", [] { return ButtonPicture("Submit", 70, 22, 128); }},
    {"Fheader.gif", HeaderPicture},
};

std::string ImageFileName(std::string_view baseName) { return R().DataFilePrefix + std::string(baseName); }

static bool ReadImageLocation() {
    Run& r = R();
    r.CurrentRoutine = "ReadImageLocation";
    const std::string marker = r.DataFolder + kImageLocationFile;
    if (!FileExists(marker)) return false;
    LineReader reader(marker);
    std::string folder = reader.Next(), urlBase = reader.Next();
    r.ImageFolder = Trimm(folder);
    if (r.ImageFolder.empty() || r.ImageFolder.back() != '/') r.ImageFolder += '/';
    r.ImageUrlBase = Trimm(urlBase);
    return true;
}

static void ChooseImageLocation() {
    Run& r = R();
    if (ReadImageLocation()) return;
    r.ImageFolder = r.WebRootFound ? r.WebRootFolder : r.DataFolder;
    r.ImageUrlBase = r.WebRootFound ? r.WebRootUrl : r.ScriptFolderUrl;
}

void WriteSiteImages() {
    Run& r = R();
    r.CurrentRoutine = "WriteSiteImages";
    ChooseImageLocation();
    for (const auto& picture : kPictures) {
        const std::string path = r.ImageFolder + ImageFileName(picture.BaseName);
        if (FileExists(path)) continue;
        // Through a work file of this process alone: a browser fetching the picture meanwhile never gets half
        // of it, and the image folder may be shared by pools that do not share our lock.
        WriteFileVia(path, path + "." + std::to_string(getpid()) + ".new", CanvasGif(picture.Draw()));
    }
}
