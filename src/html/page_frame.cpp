#include "html/page_frame.h"

#include "cgi/output.h"
#include "core/run.h"
#include "html/form_pieces.h"

// The footer writes the copyright line's first word with its fonts and the
// rest on a line of its own.
void PageFooter() {
    std::string_view copyright = R().Copyright;
    size_t blank = copyright.find(' ');
    std::string_view rest = blank == std::string_view::npos ? "" : copyright.substr(blank + 1);
    Send("<hr align=\"center\" width=\"200\">");
    SendLine({"<P align=\"center\"><font size=\"2\"> ", FontTag("1", "#000000"), copyright.substr(0, blank)});
    SendLine({rest, "<br>"});
    SendLine({"Version ", R().Version, "</font><br>"});
    Send("  </font> </P>");
}

void PageEnd() {
    PageFooter();
    SendFooter();
}

void CentredPageEnd() {
    Send("</center>");
    PageEnd();
}

void BackLink() {
    Send("<div align=\"center\">");
    SendLine({R"x(<a href="javascript:history.go(-1)"> <font color="#FFFFFF" face=")x", kFontFace,
              R"x(" size="2"> Back</font></a>)x"});
    Send("</div>");
}
