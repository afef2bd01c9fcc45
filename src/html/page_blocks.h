// Small blocks that several pages share: headings, one-button forms and the
// read-only text area of the log, comment and data file pages.
#pragma once

#include <string>

// The dark red caption of a page: "<center>", the caption font, the caption
// line as given, "</font>". The caller closes the centred block.
void PageCaption(const std::string& captionLine);
// One red, bold, centred line that tells the visitor why his request was
// not carried out.
void NoticeLine(const std::string& text);
// A blue, bold, centred heading.
void BlueHeading(const std::string& text);
// <input type="submit" name="Submit" value="...">
void SubmitButton(const std::string& value);
// A table row that holds only a submit button across both columns.
void SubmitRow(const std::string& value);
// One radio button, pre-selected when checked.
void RadioButton(const std::string& name, const std::string& value, bool checked);
// A form with the next action, the login fields and one submit button.
void SubmitForm(const std::string& action, const std::string& buttonValue);
void CentredSubmitForm(const std::string& action, const std::string& buttonValue);
// The borderless 550-wide table with one cell holding a text area; the caller
// writes the text area's content between the two.
void OpenTextAreaTable(const std::string& cols, const std::string& rows, const std::string& wrap = "PHYSICAL");
void CloseTextAreaTable();
