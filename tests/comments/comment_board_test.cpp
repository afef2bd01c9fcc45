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
