#include "html/page_frame.h"

#include "cgi/output.h"
#include "cgi/settings.h"
#include "core/run.h"
#include "html/form_pieces.h"

void PageFooter() {
    Send("<hr align=\"center\" width=\"200\">");
    Send("<P align=\"center\"><font size=\"2\"> " + FontTag("1", "#000000") + kCopyrightFirstWord);
    Send(kCopyrightRest);
    Send("Version " + R().Version + "</font><br>");
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
    Send(R"x(<a href="javascript:history.go(-1)"> <font color="#FFFFFF" face=)x" + Quoted(kFontFace) +
         R"x( size="2"> Back</font></a>)x");
    Send("</div>");
}
