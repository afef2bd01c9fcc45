#include "images/site_pictures.h"

#include "images/button_picture.h"
#include "images/header_picture.h"

const std::array<SitePicture, 7>& SitePictures() {
    static const std::array<SitePicture, 7> pictures = {{
        {"Fcomments.gif", [] { return ButtonPicture("Add Your Comments", 197, 19, 256); }},
        {"Feditchoices.gif", [] { return ButtonPicture("Edit Your Picks", 169, 23, 256); }},
        {"Fconfirmpicks.gif", [] { return ButtonPicture("Confirm Your Picks", 134, 22, 256); }},
        {"Fenterpicks.gif", [] { return ButtonPicture("Enter Your Picks", 109, 22, 256); }},
        {"Fmainmenu.gif", [] { return ButtonPicture("Return to Main Menu", 201, 22, 256); }},
        {"Fsubmit.gif", [] { return ButtonPicture("Submit", 70, 22, 128); }},
        {"Fheader.gif", HeaderPicture},
    }};
    return pictures;
}
