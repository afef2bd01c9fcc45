#include "game/pick_sheet.h"

#include "cgi/output.h"
#include "core/run.h"
#include "core/text.h"
#include "game/picks_store.h"
#include "html/form_pieces.h"

void SheetFormHead(const std::string& next) {
    const Run& r = R();
    if (next != "SKIP" && r.Action != "VIEWUSERPICKS") {
        Send(FormTag());
        HiddenField("ACTION", next);
        LoginFields();
        if (r.Action == "ENTERWINNERS2" || r.Action == "USERPICS1") {
            HiddenField("UWP", PicksFromArray());
            HiddenField("TIEBREAKER", TrimBlanks(r.TieBreaker));
        }
    }
    Send("<table  border=\"0\" cellspacing=\"0\" cellpadding=\"5\" align=\"center\">");
}
