#include "images/site_pictures.h"

#include <gtest/gtest.h>

#include "images/gif_reader.h"

namespace {

struct Expected {
    const char* Name;
    int Width, Height, TableSize;
    const char* Label;  // nullptr for the banner
};

const Expected kExpected[] = {
    {"Fcomments.gif", 197, 19, 256, "Add Your Comments"}, {"Feditchoices.gif", 169, 23, 256, "Edit Your Picks"},
    {"Fconfirmpicks.gif", 134, 22, 256, "Confirm Your Picks"}, {"Fenterpicks.gif", 109, 22, 256, "Enter Your Picks"},
    {"Fmainmenu.gif", 201, 22, 256, "Return to Main Menu"},   {"Fsubmit.gif", 70, 22, 128, "Submit"},
    {"Fheader.gif", 191, 54, 32, nullptr},
};

struct Box {
    int Left = 1 << 20, Top = 1 << 20, Right = -1, Bottom = -1;
};

// Where the pixels of one colour lie.
Box BoxOf(const Canvas& c, Rgb colour) {
    Box box;
    for (int y = 0; y < c.Height; ++y)
        for (int x = 0; x < c.Width; ++x) {
            Rgb p = c.Palette[c.At(x, y)];
            if (p.R != colour.R || p.G != colour.G || p.B != colour.B) continue;
            box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x), std::max(box.Bottom, y)};
        }
    return box;
}

constexpr Rgb kLabelColour{0xFF, 0xFF, 0xCC};

}  // namespace

TEST(SitePictures, SevenGif89aFilesOfTheirSizesInOrder) {
    const auto& pictures = SitePictures();
    for (size_t i = 0; i < pictures.size(); ++i) {
        const Expected& e = kExpected[i];
        SCOPED_TRACE(e.Name);
        EXPECT_STREQ(pictures[i].BaseName, e.Name);
        std::string bytes = CanvasGif(pictures[i].Draw());
        std::string size = {char(e.Width & 0xFF), char(e.Width >> 8), char(e.Height & 0xFF), char(e.Height >> 8)};
        EXPECT_EQ(bytes.substr(0, 10), "GIF89a" + size);
        EXPECT_EQ(bytes.back(), 0x3B);
        GifFile gif = ReadGif(bytes);
        EXPECT_TRUE(gif.Packed & 0x80);
        EXPECT_EQ(2 << (gif.Packed & 7), e.TableSize);
        EXPECT_EQ(gif.TableSize, e.TableSize);
        EXPECT_EQ(bytes, CanvasGif(pictures[i].Draw())) << "not the same bytes twice";
    }
}

TEST(SitePictures, ButtonLabelsSitCentredInsideTheBevel) {
    for (const Expected& e : kExpected) {
        if (!e.Label) continue;
        SCOPED_TRACE(e.Name);
        Canvas c = ButtonPicture(e.Label, e.Width, e.Height, e.TableSize);
        Box text = BoxOf(c, kLabelColour);
        EXPECT_LE(std::abs(text.Left - (e.Width - 1 - text.Right)), 1);
        EXPECT_GE(text.Left, 4);
        EXPECT_GE(text.Top, 3);
        EXPECT_LE(text.Bottom, e.Height - 4);
    }
}

TEST(SitePictures, BannerTitleLiesInTheLinkArea) {
    Box title = BoxOf(HeaderPicture(), kLabelColour);
    EXPECT_GE(title.Left, 16);
    EXPECT_LE(title.Right, 173);
    EXPECT_GE(title.Top, 29);
    EXPECT_LE(title.Bottom, 50);
    EXPECT_GT(title.Right - title.Left, 100);
}
