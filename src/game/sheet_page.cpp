#include "game/sheet_page.h"

#include "cgi/output.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "game/pick_sheet.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"

void SheetCaption(std::string_view caption, std::string_view comment) {
    PageCaption(caption);
    Send(comment);
}

void SheetPageTop(const std::string& routine, std::string_view caption, std::string_view comment) {
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

void SheetSubmit(std::string_view picture, std::string_view alt) {
    HiddenField("LINENUMBER", NumText(R().LineNumber));
    ImageButton(picture, alt);
    Send("</form>");
}

void SheetPageEnd() {
    CentredPageEnd();
}
