#include "users/admission_page.h"

#include <iterator>

#include "cgi/output.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
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

void PolicyChoices() {
    std::string stored = TrimBlanks(R().NewUserPolicy);
    Send("<table width=\"300\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" align=\"center\">");
    for (const PolicyRow& row : kPolicyRows) {
        bool first = &row == &kPolicyRows[0];
        bool last = &row == &kPolicyRows[std::size(kPolicyRows) - 1];
        if (first) Send("   <tr>");
        Send(std::string(row.Opening) + Quoted(kFontFace) + " size=\"2\">" + row.Text);
        RadioButton("NEWUSER", row.Value, stored == row.Value);
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
    PolicyChoices();
    Send("<br>");
    SubmitButton("Enter New User Status");
    Send("</form>");
    ReturnToAdminMenuForm();
    CentredPageEnd();
}
