// The font tag and the small builders every page makes its forms from.
#pragma once

#include <string>
#include <string_view>

// The font list used on every page.
inline constexpr const char* kFontFace = "Verdana, Arial, Helvetica, sans-serif";
// <font face="..." size="n">, with color="..." when one is given.
std::string FontTag(std::string_view size, std::string_view color = "");

// <FORM METHOD="POST" ACTION="ScriptUrl">
std::string FormTag();
void FormSetupAndHidden();
// XAI and IAX replace the caller's variable by its scrambled form.
void HiddenField(const std::string& name, std::string& value);
void HiddenField(const std::string& name, const std::string& value);
// The two login fields, XAI and IAX, of the request.
void LoginFields();
void ImageButton(const std::string& src, const std::string& alt);
void ReturnToMainMenuForm();
void ReturnToAdminMenuForm();
void HelpLink();
void CloseTable();
