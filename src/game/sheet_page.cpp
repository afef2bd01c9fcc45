#include "game/sheet_page.h"

#include "cgi/output.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "game/pick_sheet.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "images/site_images.h"

void SheetCaption(const std::string& caption, const std::string& comment) {
    PageCaption(caption);
    Send(comment);
}

void SheetPageTop(const std::string& routine, const std::string& caption, const std::string& comment) {
    R().CurrentRoutine = routine;
    MenuTop();
    SheetCaption(caption, comment);
}

void SheetOfCurrentWeek(const std::string& next) {
    SheetFormHead(next);
    std::string path;
    PickSheet(R().CurrentWeek, path);
    TieBreakerRow();
    Send("</table>");
    Send("<br>");
}

void SheetSubmit(const std::string& image, const std::string& alt) {
    HiddenField("LINENUMBER", NumText(R().LineNumber));
    ImageButton(R().ImageUrlBase + ImageFileName(image), alt);
    Send("</form>");
}

void SheetPageEnd() {
    CentredPageEnd();
}
