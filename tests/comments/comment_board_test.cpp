#include <gtest/gtest.h>

#include <regex>

#include "cgi/form.h"
#include "core/files.h"
#include "support/admin_pool.h"

// "line 1" to "line 700".
static Lines SevenHundredLines() {
    Lines lines;
    for (int i = 1; i <= 700; ++i) lines.push_back("line " + std::to_string(i));
    return lines;
}

TEST(CommentBoard, NewestFirstBlankOnesIgnoredAndLinesPastTheShown600Archived) {
    AdminPool pool;
    pool.AddUser("ann@pool.test", "Ann Lee", "pw1");
    auto add = [&](const std::string& email, const std::string& pw, const std::string& text) {
        return pool.Act("ADDCOMMENTS", email, pw, {{"COMMENTFIELD", text}});
    };
    EXPECT_EQ(TextAreaLines(add("ann@pool.test", "pw1", " ")), std::vector<std::string>{"No Comments Exist Yet !"});
    add(kBoss, "secret", "Hello, all!");
    add("ann@pool.test", "pw1", "First line\r\nSecond line");
    CgiAnswer page = add("ann@pool.test", "pw1", "  ");
    std::string comments = pool.Read("ZRP__comments.txt");
    EXPECT_EQ(std::regex_replace(comments, std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)"), "TIME"),
              "ANN LEE TIME : First line\r\nSecond line\r\n\r\n\r\nBIG BOSS TIME : Hello&#44; all&#33;\r\n\r\n\r\n");
    EXPECT_EQ(TextAreaLines(page), SplitTextLines(comments));

    // Only the first 600 lines of the board are shown; once a comment is added
    // the board file keeps just those, and older lines go, oldest last, to the
    // end of an archive that only grows.
    const Lines lines = SevenHundredLines();
    auto slice = [](const std::vector<std::string>& all, long from, long to) {
        return std::vector<std::string>(all.begin() + from, all.begin() + to);
    };
    pool.Write("ZRP__comments.txt", JoinTextLines(lines));
    EXPECT_EQ(TextAreaLines(pool.Admin("VIEWCOMMENTS")), slice(lines, 0, 600));
    CgiAnswer first = pool.Admin("ADDCOMMENTS", {{"COMMENTFIELD", "One"}});
    std::vector<std::string> board = ReadTextLines(pool.PathOf("ZRP__comments.txt"));
    ASSERT_EQ(board.size(), 600u);
    EXPECT_EQ(slice(board, 3, 600), slice(lines, 0, 597));
    EXPECT_EQ(pool.Read("ZRP__comments_archive.txt"), JoinTextLines(slice(lines, 597, 700)));
    EXPECT_EQ(TextAreaLines(first), board);

    CgiAnswer second = pool.Admin("ADDCOMMENTS", {{"COMMENTFIELD", "Two\r\nlines"}});
    std::vector<std::string> after = ReadTextLines(pool.PathOf("ZRP__comments.txt"));
    ASSERT_EQ(after.size(), 600u);
    EXPECT_EQ(slice(after, 4, 600), slice(board, 0, 596));
    EXPECT_EQ(pool.Read("ZRP__comments_archive.txt"),
              JoinTextLines(slice(lines, 597, 700)) + JoinTextLines(slice(lines, 593, 597)));
    EXPECT_EQ(TextAreaLines(second), after);
    for (const std::string& name : pool.Files()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}

// Each line of the board is shown ended with CR LF, whatever ends it in the file.
TEST(CommentBoard, EveryLineShownEndsWithCrLf) {
    AdminPool pool;
    pool.Write("ZRP__comments.txt", "one\r\ntwo\nthree\r\r\n\r\n\nfour\r\nfive\r");
    std::string page = pool.Admin("VIEWCOMMENTS").Bytes, open = "wrap=\"PHYSICAL\">\r\n";
    size_t from = page.find(open) + open.size();
    EXPECT_EQ(page.substr(from, page.find("</textarea>") - from),
              "one\r\ntwo\r\nthree\r\r\n\r\n\r\nfour\r\nfive\r\n");
}

namespace {

const std::string kTooLong =
    Notice("Your comment was not added: it has more than 2000 characters. Please shorten it.");

std::string Repeated(const std::string& piece, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i) text += piece;
    return text;
}


}  // namespace

// A comment holds at most 2000 characters as typed: a character outside the
// page's code page, which a browser sends as a reference, is one, and line
// breaks, which a browser also puts where the text area wrapped a line, are
// none. A longer one comes back in the text area with the reason and stores
// nothing, up to the largest body the request cap takes; a larger body stays
// the cap's error page.
TEST(CommentBoard, ACommentOfMoreThan2000CharactersComesBackAndStoresNothing) {
    AdminPool pool;
    pool.AddUser("ann@pool.test", "Ann Lee", "pw1");
    CgiAnswer entry = pool.Act("POSTCOMMENTS", "ann@pool.test", "pw1");
    EXPECT_TRUE(entry.HasLine(R"(<textarea name="COMMENTFIELD" cols="60" rows="4" wrap="PHYSICAL" maxlength="2000"></textarea>)"));
    EXPECT_TRUE(entry.HasLine(
        R"(<br><font face="Verdana, Arial, Helvetica, sans-serif" size="1">At most 2000 characters.</font>)"));
    auto add = [&](const std::string& text) {
        return pool.Act("ADDCOMMENTS", "ann@pool.test", "pw1", {{"COMMENTFIELD", text}});
    };
    std::string full = Repeated("Hi, all!\r\n", 200) + Repeated("&#8364;", 400);
    EXPECT_TRUE(add(full).HasLine("<!-- ViewComments -->"));
    std::string board = pool.Read("ZRP__comments.txt");
    EXPECT_NE(board.find(EscapeFormValue(full) + "\r\n\r\n\r\n"), std::string::npos);
    for (const std::string& longer : {full + "!", full + std::string(38000, 'y')}) {
        CgiAnswer refused = add(longer);
        EXPECT_TRUE(refused.HasLine("<!-- PostComments -->") && refused.HasLine(kTooLong)) << longer.size();
        std::string shown = "wrap=\"PHYSICAL\" maxlength=\"2000\">\r\n" + EscapeFormValue(longer) + "</textarea>\r\n";
        EXPECT_NE(refused.Bytes.find(shown), std::string::npos) << longer.size();
        EXPECT_EQ(pool.Read("ZRP__comments.txt"), board);
    }
    const std::string head = "ACTION=ADDCOMMENTS&NNAME=ann%40pool.test&PASS=pw1&COMMENTFIELD=";
    for (size_t length : {1048576u, 1048577u}) {
        std::string body = head + std::string(length - head.size(), 'z');
        CgiAnswer answer = pool.Run({{"REQUEST_METHOD", "POST"},
                                     {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
                                     {"CONTENT_LENGTH", std::to_string(length)}},
                                    body);
        EXPECT_EQ(answer.HasLine(kTooLong), length == 1048576u);
        EXPECT_EQ(answer.HasLine("<PRE>Invalid procedure call or argument Error Number =  5</PRE>"), length > 1048576u);
    }
    EXPECT_EQ(pool.Read("ZRP__comments.txt"), board);
}

// The board and its archive change together: a run killed on the way is
// finished by the next request, the archived lines added once; a board that
// cannot be written leaves the archive as it was behind the error page.
TEST(CommentBoard, TheBoardAndItsArchiveChangeTogether) {
    AdminPool pool;
    const Lines lines = SevenHundredLines();
    pool.Write("ZRP__comments.txt", JoinTextLines(lines));
    pool.ShellSetup = "ulimit -f 4";  // 2048 bytes: the new board does not fit
    EXPECT_TRUE(pool.Admin("ADDCOMMENTS", {{"COMMENTFIELD", "One"}}).IsErrorPage());
    EXPECT_EQ(pool.Read("ZRP__comments.txt"), JoinTextLines(lines));
    EXPECT_FALSE(pool.Exists("ZRP__comments_archive.txt"));
    pool.ShellSetup = "";

    // Killed while it added the archived lines: the new board waits beside
    // the old one, the archive holds part of its new lines.
    std::string archived = JoinTextLines(std::vector<std::string>(lines.begin() + 597, lines.end()));
    std::string board = "BIG BOSS 01-02-2026 03:04:05 : One\r\n\r\n\r\n" +
                        JoinTextLines(std::vector<std::string>(lines.begin(), lines.begin() + 597));
    pool.Write("ZRP__comments_archive.txt", "older\r\n" + archived.substr(0, 100));
    pool.Write("ZRP__comments_archive.txt.new", archived);
    pool.Write("ZRP__comments.txt.new", board);
    pool.Write("ZRP__journal.txt", "append 7 ZRP__comments_archive.txt\r\nreplace ZRP__comments.txt\r\n");
    EXPECT_EQ(TextAreaLines(pool.Admin("VIEWCOMMENTS")), SplitTextLines(board));
    EXPECT_EQ(pool.Read("ZRP__comments_archive.txt"), "older\r\n" + archived);
    for (const std::string& name : pool.Files()) EXPECT_FALSE(name.ends_with(".new")) << name;
    EXPECT_FALSE(pool.Exists("ZRP__journal.txt"));
}
