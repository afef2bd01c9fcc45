#include "results/winners_entry.h"

#include "core/failure.h"
#include "game/pick_sheet.h"
#include "game/sheet_page.h"
#include "html/form_pieces.h"

void EnterWinners() {
    SheetPageTop("EnterWinners", "<br><i>Enter This Weeks Winning Teams</i><br>", "<!-- ThisWeeksPicks -->");
    SheetOfCurrentWeek("ENTERWINNERS2");
    SheetSubmit("Fenterpicks.gif", "Enter Your Picks");
    ReturnToAdminMenuForm();
    SheetPageEnd();
    EndRun();
}

void ConfirmWeeklyWinners() {
    SheetPageTop("ConfirmWeeklyWinners", "<br><i>Confirm The ZARN POOL Winning Teams</i><br>",
                 "<!-- ConfirmWeeklyWinners -->");
    SheetOfCurrentWeek("ENTERWINNERSFINAL");
    SheetSubmit("Fconfirmpicks.gif", "Confirm Your Picks");
    EditPicksForm("ENTERWINNERS");
    ReturnToAdminMenuForm();
    SheetPageEnd();
}
