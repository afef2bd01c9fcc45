// Small blocks that several pages share: headings, one-button forms and the
// read-only text area of the log, comment and data file pages.
#pragma once

#include <string>
#include <string_view>

// The dark red caption of a page: "<center>", the caption font, the caption
// line as given, "</font>". The caller closes the centred block.
void PageCaption(std::string_view captionLine);
// One red, bold, centred line that tells the visitor why his request was
// not carried out.
void NoticeLine(std::string_view text);
// A blue, bold, centred heading.
void BlueHeading(std::string_view text);
// <input type="submit" name="Submit" value="...">
void SubmitButton(std::string_view value);
// A table row that holds only a submit button across both columns.
void SubmitRow(std::string_view value);
// One radio button, pre-selected when checked.
void RadioButton(std::string_view name, std::string_view value, bool checked);
// A form with the next action, the login fields and one submit button.
void SubmitForm(const std::string& action, const std::string& buttonValue);
void CentredSubmitForm(const std::string& action, const std::string& buttonValue);
// The borderless 550-wide table with one cell holding a text area; the caller
// writes the text area's content between the two.
void OpenTextAreaTable(std::string_view cols, std::string_view rows, std::string_view wrap = "PHYSICAL");
void CloseTextAreaTable();
