#include "html/page_blocks.h"

#include "cgi/output.h"
#include "html/form_pieces.h"

void PageCaption(const std::string& captionLine) {
    Send("<center>");
    Send(FontTag("3", "#990000"));
    Send(captionLine);
    Send("</font>");
}

void NoticeLine(const std::string& text) {
    Send("<div align=\"center\"><font face=" + Quoted(kFontFace) + R"( size="2" color="#FF0000"><b>)" + text +
         "</b></font></div>");
}

void BlueHeading(const std::string& text) {
    Send("<div align=\"center\"><font face=" + Quoted(kFontFace) + " color=\"#0000FF\"><b>" + text +
         "</b></font></div>");
}

void SubmitButton(const std::string& value) {
    Send("<input type=\"submit\" name=\"Submit\" value=" + Quoted(value) + ">");
}

void SubmitRow(const std::string& value) {
    Send("  <tr>");
    Send("    <td colspan=\"2\" align=\"center\">");
    SubmitButton(value);
    Send("    </td>");
    Send("  </tr>");
}

void RadioButton(const std::string& name, const std::string& value, bool checked) {
    Send("          <INPUT TYPE=\"RADIO\" NAME=" + Quoted(name) + " VALUE=" + Quoted(value) +
         (checked ? " checked>" : ">"));
}

void SubmitForm(const std::string& action, const std::string& buttonValue) {
    Send(FormTag());
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

void OpenTextAreaTable(const std::string& cols, const std::string& rows, const std::string& wrap) {
    Send(R"(<table  border="0" cellspacing="0" cellpadding="5" align="center" width ="550">)");
    Send("<tr><td>");
    Send("<textarea name=\"COMMENTFIELD\" cols=" + Quoted(cols) + " rows=" + Quoted(rows) + " wrap=" + Quoted(wrap) + ">");
}

void CloseTextAreaTable() {
    Send("</textarea>");
    Send("</td></tr>");
    CloseTable();
}
