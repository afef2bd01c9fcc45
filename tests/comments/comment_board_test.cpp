#include <gtest/gtest.h>

#include <regex>

#include "cgi/form.h"
#include "core/files.h"
#include "support/admin_pool.h"

// Newest first, blank comments ignored; only the first 600 lines are shown, and
// once a comment is added the board keeps just those, older lines going to the
// end of the archive. Every line shown ends with CR LF, whatever ends it in the file.
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

    Lines lines;
    for (int i = 1; i <= 700; ++i) lines.push_back("line " + std::to_string(i));
    pool.Write("ZRP__comments.txt", JoinTextLines(lines));
    pool.Write("ZRP__comments_archive.txt", "kept\r\n");
    auto slice = [](const Lines& all, long from, long to) { return Lines(all.begin() + from, all.begin() + to); };
    EXPECT_EQ(TextAreaLines(pool.Admin("VIEWCOMMENTS")), slice(lines, 0, 600));
    CgiAnswer added = pool.Admin("ADDCOMMENTS", {{"COMMENTFIELD", "One"}});
    Lines board = ReadTextLines(pool.PathOf("ZRP__comments.txt"));
    ASSERT_EQ(board.size(), 600u);
    EXPECT_EQ(slice(board, 3, 600), slice(lines, 0, 597));
    EXPECT_EQ(pool.Read("ZRP__comments_archive.txt"), "kept\r\n" + JoinTextLines(slice(lines, 597, 700)));
    EXPECT_EQ(TextAreaLines(added), board);
}

// A comment holds at most 2000 characters as typed: a character a browser sends
// as a reference is one, line breaks are none. A longer one comes back in the
// text area with the reason and stores nothing.
TEST(CommentBoard, ACommentOfMoreThan2000CharactersComesBackAndStoresNothing) {
    AdminPool pool;
    auto add = [&](const std::string& text) { return pool.Admin("ADDCOMMENTS", {{"COMMENTFIELD", text}}); };
    std::string full;
    for (int i = 0; i < 200; ++i) full += "Hi, all!\r\n&#8364;&#8364;";
    EXPECT_TRUE(add(full).HasLine("<!-- ViewComments -->"));
    std::string board = pool.Read("ZRP__comments.txt");
    EXPECT_NE(board.find(EscapeFormValue(full) + "\r\n\r\n\r\n"), std::string::npos);
    const std::string tooLong =
        Notice("Your comment was not added: it has more than 2000 characters. Please shorten it.");
    CgiAnswer refused = add(full + "!");
    EXPECT_TRUE(refused.HasLine("<!-- PostComments -->") && refused.HasLine(tooLong));
    std::string shown = "wrap=\"PHYSICAL\" maxlength=\"2000\">\r\n" + EscapeFormValue(full + "!") + "</textarea>\r\n";
    EXPECT_NE(refused.Bytes.find(shown), std::string::npos);
    EXPECT_EQ(pool.Read("ZRP__comments.txt"), board);
}
