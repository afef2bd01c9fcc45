#include <gtest/gtest.h>

#include "core/fixed_width.h"
#include "users/users_pool.h"

namespace {

// A record as it may lie in the file, written byte for byte: every field
// padded with blanks (or cut) to its width, control bytes and all.
std::string RawRecord(const std::string& email, const std::string& password, const std::string& name,
                      const std::string& status, const std::string& stamp = kStamp) {
    std::string record(kUserRecordLength, '\0');
    for (auto [field, text] : {std::pair{kUserEmail, email}, {kUserPassword, password}, {kUserRealName, name},
                               {kUserLastAccess, stamp}, {kUserStatus, status}})
        record.replace(field.Offset, field.Width, FixedWidth(text, field.Width));
    return record;
}

// One centred cell of a list: the opening, the value, the closing.
Lines Cell(const std::string& width, const std::string& value) {
    return {"    <td width=\"" + width + R"("><div align="center"><font face=)" + kFace + " size=\"1\">", value,
            "</font></div></td>"};
}

// The lines of one row: e-mail, real name, password (database only), status, last access.
Lines Row(bool database, const std::string& email, const std::string& name, const std::string& password,
          const std::string& status, const std::string& stamp = kStamp) {
    bool pending = status == "PENDING";
    Lines row = {std::string("  <tr bgcolor=\"") + (pending ? "#CCCCCC" : "#FFFFFF") + "\">"};
    auto add = [&row](const Lines& cell) { row.insert(row.end(), cell.begin(), cell.end()); };
    add(Cell("174", "<a href=\"MAILTO:" + email + "\">" + email + "</a>"));
    add(Cell("166", name));
    if (database) add(Cell("111", password));
    add(Cell("104", pending ? "<b>" + status + "</b>" : status));
    add(Cell("83", "<br>" + stamp));
    row.push_back("  </tr>");
    return row;
}

// Lines as text, one a line, so that a failure shows where they differ.
std::string Joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The rows of a list page, from its first player row up to the table's end.
std::string ListedRows(const CgiAnswer& page) {
    Lines lines = page.Lines();
    auto first = std::ranges::find_if(lines, [](const std::string& l) {
        return l.starts_with("  <tr bgcolor=\"#") && l != R"(  <tr bgcolor="#000066">)";
    });
    return Joined(Lines(first, std::find(first, lines.end(), "</table>")));
}

}  // namespace

// Each list shows the fields as they lie in the file: only the blanks at
// their ends trimmed (inner blanks and control bytes kept),
// the address in lower case, pending rows grey and bold, the password column
// in the database alone; records marked "DELETE" or without an address are
// left out. The players list changes nothing; the database page then drops
// what it showed of records without an "@" (but the administrator's), with a
// blank status or one that holds "DELETE" anywhere, and cuts a torn record at
// the end.
TEST(UserLists, RowsShowTheStoredFieldsAndTheDatabaseThenCompacts) {
    const std::string kept = RawRecord("BOSS", "SECRET", "BIG BOSS", "ADMINISTRATOR") +
                             RawRecord("  Mixed@Case.Test", " PW WITH BLANKS", "  ANN   MARIE  ", " PENDING ") +
                             RawRecord("TAB@X", "P\tW", "TAB\tNAME\x01", "USER\x01\r", " 1-2-2026  3:04:05 x");
    const std::string stored = kept + RawRecord("DEL@X", "PW", "DEAD MAN", "  DELETE") +
                               RawRecord("", "PW", "NO ADDRESS", "USER") + RawRecord("NOAT", "PW", "NO AT", "USER") +
                               RawRecord("UNDO@X", "PW", "UNDONE", "UNDELETED") + RawRecord("LAST@X", "PW", "", "");
    AdminPool pool;
    pool.Write("ZRPform_user.dat", stored);
    for (bool database : {false, true}) {
        CgiAnswer page = pool.Act(database ? "VIEWUSERS" : " viewPlayers ", "boss", "secret");
        Lines expected;
        for (const Lines& row : {Row(database, "boss", "BIG BOSS", "SECRET", "ADMINISTRATOR"),
                                 Row(database, "mixed@case.test", "ANN   MARIE", "PW WITH BLANKS", "PENDING"),
                                 Row(database, "tab@x", "TAB\tNAME\x01", "P\tW", "USER\x01\r", "1-2-2026  3:04:05 x"),
                                 Row(database, "noat", "NO AT", "PW", "USER"),
                                 Row(database, "undo@x", "UNDONE", "PW", "UNDELETED"),
                                 Row(database, "last@x", "", "PW", "")})
            expected.insert(expected.end(), row.begin(), row.end());
        EXPECT_EQ(ListedRows(page), Joined(expected)) << database;
        EXPECT_EQ(pool.Read("ZRPform_user.dat"), database ? kept : stored);
    }
    pool.Write("ZRPform_user.dat", kept + "TORN");
    pool.Act("VIEWUSERS", "boss", "secret");
    EXPECT_EQ(pool.Read("ZRPform_user.dat"), kept);
}
