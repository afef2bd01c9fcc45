#include <gtest/gtest.h>

#include <regex>

#include "core/files.h"
#include "support/admin_pool.h"

TEST(CommentBoard, NewestCommentFirstBlankOnesIgnoredAndOnlyTheFirst600LinesShown) {
    AdminPool pool;
    pool.AddUser("ann@pool.test", "Ann Lee", "pw1");
    auto add = [&](const std::string& email, const std::string& pw, const std::string& text) {
        return pool.Act("ADDCOMMENTS", email, pw, {{"COMMENTFIELD", text}});
    };
    EXPECT_EQ(TextAreaLines(add("ann@pool.test", "pw1", " ")), std::vector<std::string>{"No Comments Exist Yet !"});
    add(kBoss, "secret", "Hello, all!");
    add("ann@pool.test", "pw1", "First line\r\nSecond line");
    CgiAnswer board = add("ann@pool.test", "pw1", "  ");
    std::string comments = pool.Read("ZRP__comments.txt");
    EXPECT_EQ(std::regex_replace(comments, std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)"), "TIME"),
              "ANN LEE TIME : First line\r\nSecond line\r\n\r\n\r\nBIG BOSS TIME : Hello&#44; all&#33;\r\n\r\n\r\n");
    EXPECT_EQ(TextAreaLines(board), SplitTextLines(comments));
    for (const std::string& name : pool.Files()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;

    std::vector<std::string> lines;
    for (int i = 1; i <= 700; ++i) lines.push_back("line " + std::to_string(i));
    pool.Write("ZRP__comments.txt", JoinTextLines(lines));
    EXPECT_EQ(TextAreaLines(pool.Admin("VIEWCOMMENTS")), std::vector<std::string>(lines.begin(), lines.begin() + 600));
}

// The board file keeps the 600 lines its page shows; older lines go, oldest
// last, to the end of an archive that only grows.
TEST(CommentBoard, LinesPastTheShownOnesMoveToTheArchiveAndThePageStaysTheSame) {
    AdminPool pool;
    std::vector<std::string> lines;
    for (int i = 1; i <= 700; ++i) lines.push_back("line " + std::to_string(i));
    pool.Write("ZRP__comments.txt", JoinTextLines(lines));
    CgiAnswer first = pool.Admin("ADDCOMMENTS", {{"COMMENTFIELD", "One"}});
    std::vector<std::string> board = ReadTextLines(pool.PathOf("ZRP__comments.txt"));
    ASSERT_EQ(board.size(), 600u);
    EXPECT_EQ(std::vector<std::string>(board.begin() + 3, board.end()),
              std::vector<std::string>(lines.begin(), lines.begin() + 597));
    EXPECT_EQ(pool.Read("ZRP__comments_archive.txt"),
              JoinTextLines(std::vector<std::string>(lines.begin() + 597, lines.end())));
    EXPECT_EQ(TextAreaLines(first), board);

    CgiAnswer second = pool.Admin("ADDCOMMENTS", {{"COMMENTFIELD", "Two\r\nlines"}});
    std::vector<std::string> after = ReadTextLines(pool.PathOf("ZRP__comments.txt"));
    ASSERT_EQ(after.size(), 600u);
    EXPECT_EQ(std::vector<std::string>(after.begin() + 4, after.end()),
              std::vector<std::string>(board.begin(), board.begin() + 596));
    EXPECT_EQ(pool.Read("ZRP__comments_archive.txt"),
              JoinTextLines(std::vector<std::string>(lines.begin() + 597, lines.end())) +
                  JoinTextLines(std::vector<std::string>(lines.begin() + 593, lines.begin() + 597)));
    EXPECT_EQ(TextAreaLines(second), after);
    for (const std::string& name : pool.Files()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}
