#include "users/user_edit_pages.h"

#include "cgi/form.h"
#include "cgi/output.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/admin_menu.h"
#include "users/page_pieces.h"
#include "users/real_names.h"
#include "users/user_file.h"
#include "users/user_walks.h"
#include "users/user_table.h"

static void UserStatusSelect();
static void adminmiddle(const UserRecord* typed);
static void EditUserRow(const UserRecord& shown, const std::string& editedName);
static void DatabaseUpdated();

namespace {

// The edit row names the player it edits, as the choice page chose him, so
// that storing it replaces him and nobody else.
const char kEditedUserField[] = "EDITEDUSER";

// A text input, filled with the field after Trimm when there is one. The
// empty add row calls no Trimm, which would name itself the running routine.
void TextInput(const std::string& name, const std::string& size, const std::string& maxLength,
               const std::string* field) {
    Send("<input type=\"text\" name=" + Quoted(name) + " size=" + Quoted(size) + " maxlength=" + Quoted(maxLength) +
         (field ? " value=" + Quoted(Trimm(*field)) : "") + ">");
}

// The five cells of the add and edit rows; the edit row shows a user, the
// add row none unless it comes back refused.
void UserEntryRow(const std::string& background, const UserRecord* user, const std::string& editedName = "") {
    Send("  <tr bgcolor=" + Quoted(background) + ">");
    Send("    <td width=\"174\"><FORM NAME=\"form1\" METHOD=\"POST\" ACTION=" + Quoted(R().ScriptUrl) + ">");
    TextInput("USEREMAIL", "20", "40", user ? &user->UserEmail : nullptr);
    Send("    </td>");
    Send("    <td width=\"166\">");
    TextInput("USERREALNAME", "18", "40", user ? &user->UserRealName : nullptr);
    Send("    </td>");
    Send("    <td width=\"111\">");
    TextInput("USERPASSWORD", "8", "20", user ? &user->UserPassword : nullptr);
    Send("    </td>");
    Send("    <td width=\"104\">");
    UserStatusSelect();
    Send("    </td>");
    Send("    <td width=\"83\"><br>");
    HiddenField("ACTION", "ADMINUPDATE");
    HiddenField(kEditedUserField, editedName);
    LoginFields();
    SubmitButton("Submit");
    Send("</form>");
    Send("    </td>");
    Send("  </tr>");
}

void EndOfUserPage() {
    Send("<br>");
    PageEnd();
}

// Record 1 is never offered, as a stored edit moves a record to the end of the
// file; nor is the administrator's own record: a changed password would make
// his next click that of a stranger.
bool IsOfferedForEditing(int32_t number, const UserRecord& user) {
    return number >= 2 && number != R().CurrentUserRecordNumber && IsListedUser(user);
}

// The first listed record after record 1 whose real name is the chosen one,
// loaded into the record buffer. Record 1 is never offered, so a player who
// shares the first administrator's name must not reach that record; a blank
// or unknown choice finds nothing, so that no other record is touched.
bool FindChosenUser(const std::string& chosen) {
    Run& r = R();
    std::string name = KeptRealName(chosen);
    bool found = false;
    if (name.empty()) return false;
    ForEachUserRecord([&](int32_t number, const UserRecord& user) {
        found = IsOfferedForEditing(number, user) && UCase(TrimBlanks(user.UserRealName)) == name;
        if (found) {
            r.User = user;
            r.UserRecordNumber = number;
        }
        return !found;
    });
    return found;
}

// Why a stored row was refused: the italic text of its line; nothing was stored.
constexpr const char kBlankName[] = "Error : Real Name Is Blank - Nothing Was Stored";
constexpr const char kTakenName[] = "Error : Another Player Already Has This Real Name - Nothing Was Stored";
constexpr const char kTakenLogin[] =
    "Error : Another Player Already Has This Email Address And Password - Nothing Was Stored";
constexpr const char kNoAddress[] = "Error : Email Address Has No @ - Nothing Was Stored";
constexpr const char kNobodyToDelete[] = "Error : There Is No Player To Delete - Nothing Was Stored";

void RefusalLine(std::string_view refusal) {
    Send("<center>");
    Send(FontTag("2", "#FF0000"));
    SendLine({"<i>", refusal, "</i><br></font>"});
    Send("</center>");
}

void AddUserPage(const UserRecord* typed, std::string_view refusal) {
    UserTableHead("Click to Process");
    adminmiddle(typed);
    CloseTable();
    BlueHeading("ADD USER TO DATABASE");
    if (!refusal.empty()) RefusalLine(refusal);
    CentredSubmitForm("ADMINMAINMENU", "Abandon and Return to Main Menu");
    EndOfUserPage();
}

void EditUserPage(const UserRecord& shown, const std::string& editedName, std::string_view refusal) {
    UserTableHead("Click to Process");
    EditUserRow(shown, editedName);
    CloseTable();
    BlueHeading("EDIT USER THEN CLICK SUBMIT");
    if (!refusal.empty()) RefusalLine(refusal);
    CentredSubmitForm("ADMINMAINMENU", "Abandon Edit and Return to Main Menu");
    EndOfUserPage();
}

// True when a live player other than record edited (0: none) logs in with
// the row's e-mail address and password: storing the row would leave two
// records for one login, or none for the edited player.
bool LoginOfAnotherPlayer(int32_t edited) {
    const Run& r = R();
    std::string email = KeptText(r.UserEmailField, kUserEmail), password = KeptText(r.UserPasswordField, kUserPassword);
    bool taken = false;
    if (email.empty() || password.empty()) return false;
    ForEachUserRecord([&](int32_t number, const UserRecord& user) {
        taken = number != edited && TrimBlanks(user.UserStatus) != "DELETE" &&
                UCase(TrimBlanks(user.UserEmail)) == email && UCase(TrimBlanks(user.UserPassword)) == password;
        return !taken;
    });
    return taken;
}

// Why the row cannot be stored, "" when it can. A row that deletes needs a
// player to delete and nothing else: a deleted record keeps no name.
std::string_view RefusalOfRow(const UserRecord& row, int32_t edited) {
    std::string_view status = TrimmView(row.UserStatus);
    if (status.empty() || status.find("DELETE") != std::string_view::npos) return edited ? "" : kNobodyToDelete;
    switch (RefuseRealName(R().UserRealNameField, edited)) {
        case RealNameRefusal::Blank: return kBlankName;
        case RealNameRefusal::Taken: return kTakenName;
        case RealNameRefusal::None: break;
    }
    if (row.UserEmail.find('@') == std::string::npos) return kNoAddress;
    return LoginOfAnotherPlayer(edited) ? kTakenLogin : "";
}

}  // namespace

void UserTableHead(const std::string& caption) {
    R().CurrentRoutine = "UserTableHead";
    MenuTop();
    Send("<br><br>");
    OpenUserTable("700");
    OpenHeaderRow();
    EmailAndNameHeadings();
    HeadingCell("128", "Password");
    HeadingCell("128", "Status");
    HeadingCell("96", caption);
    Send("  </tr>");
}

static void UserStatusSelect() {
    Send("<select name=\"USERSTATUS\" size=\"1\">");
    Send("  <option value=\"USER\">USER</option>");
    Send("  <option value=\"DELETE\">DELETE</option>");
    Send("  <option value=\"ADMINISTRATOR\">ADMIN</option>");
    Send("</select>");
}

static void adminmiddle(const UserRecord* typed) {
    R().CurrentRoutine = "adminmiddle";
    Send("<!-- adminmiddle -->");
    UserEntryRow(TrimBlanks(R().User.UserStatus) == "PENDING" ? "#CCCCCC" : "#FFFFFF", typed);
}

static void EditUserRow(const UserRecord& shown, const std::string& editedName) {
    R().CurrentRoutine = "EditUserRow";
    UserEntryRow("#0099FF", &shown, editedName);
}

void AddUser() {
    R().CurrentRoutine = "AddUser";
    AddUserPage(nullptr, "");
}

// An edit replaces the player it names: the row is stored as an added user
// at the end of the file, his record removed with the compaction, in one
// change. A row without the name, from a page opened before rows carried
// it, is an addition: such a page marked its player deleted when it opened,
// so the row replaces him as it was meant to. A refused row comes back as
// typed and stores nothing.
void AdminUpdate() {
    Run& r = R();
    r.CurrentRoutine = "AdminUpdate";
    std::string editedName = GetCgiValue(kEditedUserField);
    int32_t edited = FindChosenUser(editedName) ? r.UserRecordNumber : 0;
    UserRecord row = RecordFromForm();
    if (std::string_view refusal = RefusalOfRow(row, edited); !refusal.empty()) {
        UserRecord typed{r.UserEmailField, r.UserPasswordField, r.UserRealNameField, "", r.UserStatusField};
        if (TrimBlanks(editedName).empty())
            AddUserPage(&typed, refusal);
        else
            EditUserPage(typed, editedName, refusal);
        return;
    }
    StoreAndCompact(row, edited);
    DatabaseUpdated();
}

static void DatabaseUpdated() {
    R().CurrentRoutine = "DatabaseUpdated";
    MenuTop();
    Send("<br><br>");
    SendLine({"<center>", FontTag("3")});
    Send("Database Has Been Updated.<br><br>");
    SubmitForm("ADMINMAINMENU", "Return to Administrators Menu");
    Send("</font></center>");
    Send("<br><br>");
    SendFooter();
}

static void UserRealNameSelect() {
    R().CurrentRoutine = "UserRealNameSelect";
    Send("<select name=\"USERREALNAME\" size=\"1\">");
    ForEachUserRecord([](int32_t number, const UserRecord& user) {
        if (IsOfferedForEditing(number, user)) {
            std::string name = TrimBlanks(user.UserRealName);
            Send("  <option value=" + Quoted(name) + ">" + name + "</option>");
        }
        return true;
    });
    Send("</select>");
}

static void EditUserChoiceRow() {
    Send("  <tr bgcolor=\"#0099FF\">");
    Send("    <td width=\"50%\" valign=\"middle\"><FORM NAME=\"form1\" METHOD=\"POST\" ACTION=" +
         Quoted(R().ScriptUrl) + ">");
    UserRealNameSelect();
    Send("    </td>");
    Send("    <td width=\"50%\" valign=\"middle\">");
    HiddenField("ACTION", "EDITTHISUSER");
    LoginFields();
    Send("<br>");
    SubmitButton("Submit");
    Send("</form>");
    Send("    </td>");
    Send("  </tr>");
}

void EditUser() {
    R().CurrentRoutine = "EditUser";
    MenuTop();
    Send("<br><br>");
    OpenUserTable("35%");
    EditUserChoiceRow();
    CloseTable();
    BlueHeading("SELECT USER TO EDIT/DELETE AND CLICK SUBMIT");
    CentredSubmitForm("ADMINMAINMENU", "Return to Administrators Main Menu");
    EndOfUserPage();
}

void EditThisUser() {
    Run& r = R();
    r.CurrentRoutine = "EditThisUser";
    if (!FindChosenUser(r.UserRealNameField)) {
        r.Action = "EDITUSER";
        EditUser();
        return;
    }
    EditUserPage(r.User, TrimBlanks(r.User.UserRealName), "");
}
