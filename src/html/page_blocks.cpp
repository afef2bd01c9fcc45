#include "html/page_blocks.h"

#include "cgi/output.h"
#include "html/form_pieces.h"

void PageCaption(std::string_view captionLine) {
    Send("<center>");
    Send(FontTag("3", "#990000"));
    Send(captionLine);
    Send("</font>");
}

void NoticeLine(std::string_view text) {
    SendLine({"<div align=\"center\"><font face=\"", kFontFace, R"(" size="2" color="#FF0000"><b>)", text,
              "</b></font></div>"});
}

void BlueHeading(std::string_view text) {
    SendLine({"<div align=\"center\"><font face=\"", kFontFace, "\" color=\"#0000FF\"><b>", text,
              "</b></font></div>"});
}

void SubmitButton(std::string_view value) {
    SendLine({"<input type=\"submit\" name=\"Submit\" value=\"", value, "\">"});
}

void SubmitRow(std::string_view value) {
    Send("  <tr>");
    Send("    <td colspan=\"2\" align=\"center\">");
    SubmitButton(value);
    Send("    </td>");
    Send("  </tr>");
}

void RadioButton(std::string_view name, std::string_view value, bool checked) {
    SendLine({"          <INPUT TYPE=\"RADIO\" NAME=\"", name, "\" VALUE=\"", value, checked ? "\" checked>" : "\">"});
}

void SubmitForm(const std::string& action, const std::string& buttonValue) {
    FormTag();
    HiddenField("ACTION", action);
    LoginFields();
    SubmitButton(buttonValue);
    Send("</form>");
}

void CentredSubmitForm(const std::string& action, const std::string& buttonValue) {
    Send("<center>");
    SubmitForm(action, buttonValue);
    Send("</center>");
}

void OpenTextAreaTable(std::string_view cols, std::string_view rows, std::string_view wrap) {
    Send(R"(<table  border="0" cellspacing="0" cellpadding="5" align="center" width ="550">)");
    Send("<tr><td>");
    SendLine({"<textarea name=\"COMMENTFIELD\" cols=\"", cols, "\" rows=\"", rows, "\" wrap=\"", wrap, "\">"});
}

void CloseTextAreaTable() {
    Send("</textarea>");
    Send("</td></tr>");
    CloseTable();
}
