// The font tag and the small builders every page makes its forms from.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The font list used on every page.
inline constexpr const char* kFontFace = "Verdana, Arial, Helvetica, sans-serif";
// <font face="..." size="n">, with color="..." when one is given. Sizes and
// colours are fixed in the code, so each tag is made while compiling; a page
// line takes it as one of its pieces.
class FontTag {
public:
    consteval FontTag(std::string_view size, std::string_view color = "") {
        Add("<font face=\"");
        Add(kFontFace);
        Add("\" size=\"");
        Add(size);
        Add("\"");
        if (!color.empty()) {
            Add(" color=\"");
            Add(color);
            Add("\"");
        }
        Add(">");
    }
    constexpr operator std::string_view() const { return {bytes_, size_}; }

private:
    // Past the end of bytes_ the tag does not compile.
    consteval void Add(std::string_view piece) {
        for (char c : piece) bytes_[size_++] = c;
    }
    char bytes_[96] = {};
    size_t size_ = 0;
};

// <FORM METHOD="POST" ACTION="ScriptUrl">
void FormTag();
void FormSetupAndHidden();
// XAI and IAX replace the caller's variable by its scrambled form.
void HiddenField(const std::string& name, std::string& value);
void HiddenField(const std::string& name, const std::string& value);
// The two login fields, XAI and IAX, of the request.
void LoginFields();
// The image button showing one of the site's pictures, by its base name.
void ImageButton(std::string_view picture, std::string_view alt);
void ReturnToMainMenuForm();
void ReturnToAdminMenuForm();
void HelpLink();
void CloseTable();
