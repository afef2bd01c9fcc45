#include "users/admission_page.h"

#include <span>

#include "cgi/output.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "game/picks_policy.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/admission.h"

namespace {

struct PolicyRow {
    const char* Opening;  // ends in "<font face=", the face follows
    const char* Text;
    const char* Value;
};

const PolicyRow kPolicyRows[] = {
    {"     <td> <b><div align=center><font face=",
     "Allow All New Users        </font></div></b></td><td><div align=left>", "ALLOWALL"},
    {"  <tr><td><div align=center> <b><font face=",
     "New User Must Be Approved </font></b></div></td><td><div align=left>", "APPROVE"},
    {"   <tr><td><div align=center> <b><font face=",
     "New User Must Be In Database        </font></b></div></td><td><div align=left>", "BLOCKALL"},
};

const PolicyRow kPicksPolicyRows[] = {
    {"     <td> <b><div align=center><font face=",
     "Saved Picks Are Final        </font></div></b></td><td><div align=left>", kPicksFinal},
    {"   <tr><td><div align=center> <b><font face=",
     "Players May Change Their Picks Until The Lock Out        </font></b></div></td><td><div align=left>",
     kPicksMayChange},
};

// A table of radio buttons named name, the stored value's checked.
void PolicyChoices(const char* name, std::span<const PolicyRow> rows, const std::string& stored) {
    Send("<table width=\"300\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" align=\"center\">");
    for (const PolicyRow& row : rows) {
        bool first = &row == &rows.front();
        bool last = &row == &rows.back();
        if (first) Send("   <tr>");
        Send(std::string(row.Opening) + Quoted(kFontFace) + " size=\"2\">" + row.Text);
        RadioButton(name, row.Value, stored == row.Value);
        if (last) {
            Send("</div></td>");
            Send("   </tr>");
        } else {
            Send("</div></td></tr>");
        }
    }
    Send(" </table>");
}

}  // namespace

void PickNewUserStatus() {
    Run& r = R();
    r.CurrentRoutine = "PickNewUserStatus";
    MenuTop();
    PageCaption("<br><i><b>New User Status </b></i><br><br>");
    Send("<!-- PickNewUserStatus -->");
    LoadNewUserStatus();
    FormTag();
    HiddenField("ACTION", "SETUSERSTATUS");
    LoginFields();
    PolicyChoices("NEWUSER", kPolicyRows, TrimBlanks(R().NewUserPolicy));
    Send("<br>");
    PolicyChoices("PICKSPOLICY", kPicksPolicyRows, StoredPicksPolicy());
    Send("<br>");
    SubmitButton("Enter New User Status");
    Send("</form>");
    ReturnToAdminMenuForm();
    CentredPageEnd();
}
