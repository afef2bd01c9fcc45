#include "users/user_lists.h"

#include "cgi/output.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/user_edit_pages.h"
#include "users/user_file.h"
#include "users/user_table.h"

static void UserRow(bool withPassword);

namespace {

// Every live record in file order, each through the record buffer.
void ListedUserRows() {
    Run& r = R();
    // The players list has no password column, whatever the spelling of its action.
    bool withPassword = UCase(TrimBlanks(r.Action)) != "VIEWPLAYERS";
    ForEachUserRecord([&r, withPassword](int32_t number, const UserRecord& user) {
        r.User = user;
        r.UserRecordNumber = number;
        if (IsListedUser(user)) UserRow(withPassword);
        return true;
    });
}

void EndOfListPage(const std::string& action, const std::string& buttonValue) {
    CloseTable();
    CentredSubmitForm(action, buttonValue);
    Send("<br>");
    PageEnd();
}

}  // namespace

static void UserRow(bool withPassword) {
    const Run& r = R();
    const UserRecord& user = r.User;
    std::string_view status = TrimBlanksView(user.UserStatus);
    bool pending = status == "PENDING";
    SendLine({"  <tr bgcolor=\"", pending ? "#CCCCCC" : "#FFFFFF", "\">"});
    // One buffer for every row's address.
    static std::string email;
    LCaseInto(TrimBlanksView(user.UserEmail), email);
    SmallCell("174", "<a href=\"MAILTO:", email, "\">", email, "</a>");
    SmallCell("166", TrimBlanksView(user.UserRealName));
    if (withPassword) SmallCell("111", TrimBlanksView(user.UserPassword));
    if (pending)
        SmallCell("104", "<b>", status, "</b>");
    else
        SmallCell("104", status);
    SmallCell("83", "<br>", TrimBlanksView(user.UserLastAccess));
    Send("  </tr>");
}

void ViewUserDatabase() {
    R().CurrentRoutine = "ViewUserDatabase";
    UserTableHead("Last Accessed Program On");
    BlueHeading("VIEW USER DATABASE");
    Send("<br>");
    ListedUserRows();
    EndOfListPage("ADMINMAINMENU", "Return to Administrators Main Menu");
    // Deleted users, and entries the add row took without an "@", leave the
    // file only now, after they were shown this once.
    CompactUserFile();
}

void ViewUsers() {
    R().CurrentRoutine = "ViewUsers";
    MenuTop();
    Send("<!-- ViewUsers -->");
    BlueHeading("Players List");
    Send("<br>");
    OpenUserTable("572");
    OpenHeaderRow();
    EmailAndNameHeadings();
    HeadingCell("128", "Status");
    HeadingCell("96", "Last Accessed Game");
    Send("  </tr>");
    ListedUserRows();
    EndOfListPage("LOGIN", "Return to Main Menu");
}
