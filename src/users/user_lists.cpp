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
#include "users/user_walks.h"
#include "users/user_table.h"

namespace {

// The text between a row's values, made once per page: a row then goes out
// as one line of a few long pieces. A pending player's row is grey and his
// status bold.
struct RowText {
    std::string Start, BeforeName, BeforePassword, BeforeStatus, BeforeStamp, End;

    RowText(bool pending, bool withPassword) {
        const std::string close = std::string(kSmallCellClosing) + "\r\n";
        Start = std::string("  <tr bgcolor=\"") + (pending ? "#CCCCCC" : "#FFFFFF") + "\">\r\n" +
                SmallCellOpening("174") + "<a href=\"MAILTO:";
        BeforeName = "</a>" + close + SmallCellOpening("166");
        if (withPassword) BeforePassword = close + SmallCellOpening("111");
        BeforeStatus = close + SmallCellOpening("104") + (pending ? "<b>" : "");
        BeforeStamp = (pending ? "</b>" : "") + close + SmallCellOpening("83") + "<br>";
        End = close + "  </tr>";
    }
};

// The rows of one list, each written from the record's bytes in place.
class RowWriter {
public:
    explicit RowWriter(bool withPassword)
        : plain_(false, withPassword), pending_(true, withPassword), withPassword_(withPassword) {}

    // The record's row when it is listed at all.
    void Row(const UserFieldViews& user) {
        std::string_view email = TrimBlanksView(user.Email), status = TrimBlanksView(user.Status);
        if (!IsListedUser(email, status)) return;
        const RowText& text = status == "PENDING" ? pending_ : plain_;
        LCaseInto(email, email_);
        SendLine({text.Start, email_, "\">", email_, text.BeforeName, TrimBlanksView(user.RealName),
                  text.BeforePassword, withPassword_ ? TrimBlanksView(user.Password) : "", text.BeforeStatus, status,
                  text.BeforeStamp, TrimBlanksView(user.LastAccess), text.End});
    }

private:
    const RowText plain_, pending_;
    const bool withPassword_;
    std::string email_;  // the address in lower case, one buffer for every row
};

// Every live record in file order; the database shows the passwords. The
// answer: whether compaction would keep every record (asked of the database
// only). The run's record is left as reading each into it would leave it.
bool ListedUserRows(bool database) {
    RowWriter rows(database);
    bool keepsAll = true;
    int32_t last = ForEachUserFields([&](int32_t number, const UserFieldViews& user) {
        if (database && keepsAll) keepsAll = KeptByCompaction(number, user);
        rows.Row(user);
        return true;
    });
    if (last > 0) {
        Run& r = R();
        r.User = ReadUserRecord(last);
        r.UserRecordNumber = last;
    }
    return keepsAll;
}

void EndOfListPage(const std::string& action, const std::string& buttonValue) {
    CloseTable();
    CentredSubmitForm(action, buttonValue);
    Send("<br>");
    PageEnd();
}

}  // namespace

void ViewUserDatabase() {
    R().CurrentRoutine = "ViewUserDatabase";
    UserTableHead("Last Accessed Program On");
    BlueHeading("VIEW USER DATABASE");
    Send("<br>");
    bool keepsAll = ListedUserRows(true);
    EndOfListPage("ADMINMAINMENU", "Return to Administrators Main Menu");
    // Deleted users, and entries the add row took without an "@", leave the
    // file only now, after they were shown this once.
    CompactUserFile(keepsAll);
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
    ListedUserRows(false);
    EndOfListPage("LOGIN", "Return to Main Menu");
}
