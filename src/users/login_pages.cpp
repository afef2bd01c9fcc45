#include "users/login_pages.h"

#include "cgi/form.h"
#include "cgi/output.h"
#include "core/failure.h"
#include "core/run.h"
#include "core/scramble.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/page_pieces.h"

namespace {

const char kPoolTitle[] = "The Zarn Pool Online!<br>";

void BodyStart() {
    Send("<!-- end header -->");
    Send("<!-- body content-->");
}

void InputRow(std::string_view label, std::initializer_list<std::string_view> smallPrint, std::string_view type,
              std::string_view name) {
    Send("  <tr>");
    LabelCell(label, smallPrint);
    SendLine({"    <td><INPUT TYPE=\"", type, "\" NAME=\"", name, "\" SIZE=\"20\" MAXLENGTH=\"40\"></td>"});
    Send("  </tr>");
}

void ShownValueRow(std::string_view label, std::initializer_list<std::string_view> smallPrint, std::string_view value) {
    Send("  <tr>");
    LabelCell(label, smallPrint);
    SendLine({"    <td>", FontTag("1"), value, "</font></td>"});
    Send("  </tr>");
}

void FormEnd() {
    Send("    </table>");
    Send("    <br>");
    Send("</FORM>");
    Send("<br>");
}

// The credentials as the real-name page shows them: scrambled, whether or
// not a hidden field has scrambled them already.
std::string ScrambledForm(const std::string& value) { return StartsWith(value, kScrambleMarker) ? value : ScrambleValue(value); }

// The layout shared by the two status pages: one message in one cell.
void StatusPage(const std::vector<std::string>& message) {
    Send("<center>");
    TitleLines(kPoolTitle, "    Your Status</font></b></p>");
    Send("  <b>");
    GreyTableOpen("400");
    Send("  <tr>");
    SendLine({"    <td align=\"center\">", FontTag("2")});
    for (const std::string& line : message) Send(line);
    Send("</font></td>");
    Send("  </tr>");
    Send("    </table>");
    Send("    <br>");
    Send("<br>");
    PageEnd();
}

}  // namespace

void LoginScreen() {
    Run& r = R();
    r.CurrentRoutine = "LoginScreen";
    MenuTop();
    BodyStart();
    Send("<center>");
    TitleLines(kPoolTitle, "    Enter Your Email Address and Password and Select 'Play The Pool !'. </font></b></p>");
    Send("  <b>");
    if (r.Action == "PASSWORD ERROR") {
        Send(FontTag("2", "#FF0000"));
        Send("<i>Error : Incorrect Password</i><br></font>");
        r.Action = "";
    }
    FormSetupAndHidden();
    HiddenField("ACTION", "LOGIN");
    GreyTableOpen("400");
    InputRow("          <b>Email:</B><br>", {" Enter Your Email Address<br>"}, "TEXT", "NNAME");
    InputRow("          <b>Password:</B><br>", {"Enter a password<br>", "           for this user.( See Help )"},
             "PASSWORD", "PASS");
    SubmitRow("Play The Pool !");
    FormEnd();
    PageEnd();
}

void NotListedPage() {
    Run& r = R();
    r.CurrentRoutine = "NotListedPage";
    // Values from the login page's own fields arrive escaped; the hidden
    // fields XAI and IAX arrive raw and must not reach the page as markup.
    bool fromHiddenFields = R().CredentialsFromHiddenFields;
    std::string email = fromHiddenFields ? EscapeFormValue(r.LoginEmail) : r.LoginEmail;
    std::string password = fromHiddenFields ? EscapeFormValue(r.LoginPassword) : r.LoginPassword;
    MenuTop();
    Send("<br><br>");
    SendLine({"<div align=\"center\">", FontTag("3")});
    Send("Your Email Address and Password is not listed for access.<br><br>");
    Send("<i>Did You Make An Error ? Is your Email Address or Password Missing?</i><br><br>");
    Send("Please contact your administrator for access to the program.<br><br>");
    SendLine({"<b>Email Address Submitted : ", email, "<br><br>"});
    SendLine({"Password Submitted : ", password, "<br></b>"});
    SendLine({"<br><br><a href=\"", r.ScriptUrl, "\">Re-Enter Information</a><br>"});
    Send("</font></div>");
    Send("<br><br>");
    SendFooter();
    EndRun();
}

void LoginAnewUser(bool nameTaken) {
    Run& r = R();
    r.CurrentRoutine = "LoginAnewUser";
    MenuTop();
    BodyStart();
    Send("<!-- LoginANewUser -->");
    Send("<center>");
    TitleLines(kPoolTitle,
               "    Please Also Enter Your Real Name</b><br><i>If You Entered Your Info in Error, Go Back To The "
               "Prior Screen</i></font></p>",
               true);
    if (nameTaken) {
        Send(FontTag("2", "#FF0000"));
        Send("<i>Error : Another Player Already Has This Real Name</i><br></font>");
    }
    FormTag();
    LoginFields();
    bool admits = r.NewUserPolicy == "ALLOWALL" || r.NewUserPolicy == "APPROVE";
    HiddenField("ACTION", admits ? "LOGINAPPROVE" : "LOGIN");
    GreyTableOpen("400");
    InputRow("          <b>Your Name:</B><br>", {" First and Last<br>"}, "TEXT", "USERREALNAME");
    ShownValueRow("          <b>Email:</B><br>", {" Enter Your Email Address<br>"}, ScrambledForm(r.LoginEmail));
    ShownValueRow("          <b>Password:</B><br>",
                  {" Must be filled in to<br>", "          access any function. </font></font></td>"},
                  ScrambledForm(r.LoginPassword));
    SubmitRow("Play The Pool !");
    FormEnd();
    PageEnd();
}

void NewUserMustBeApproved() {
    R().CurrentRoutine = "NewUserMustBeApproved";
    MenuTop();
    Send("<!-- NewUserMustBeApproved -->");
    StatusPage(
        {"The administrator Will have to approve your access to the pool.  Please check back later to see if "
         "access has been granted."});
}

void NoNewUsers() {
    R().CurrentRoutine = "NoNewUsers";
    MenuTop();
    StatusPage({"The administrator is not presently allowing new users into the Zarn Pool", ". Send an",
                "        <a href=" + Quoted("MAILTO:" + R().AdministratorEmail) + ">",
                "email</a> to see about gaining access."});
}
