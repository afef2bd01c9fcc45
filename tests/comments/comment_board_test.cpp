#include <gtest/gtest.h>

#include <regex>

#include "core/files.h"
#include "support/admin_pool.h"

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
    std::vector<std::string> lines;
    for (int i = 1; i <= 700; ++i) lines.push_back("line " + std::to_string(i));
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
