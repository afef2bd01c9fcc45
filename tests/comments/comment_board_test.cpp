#include <gtest/gtest.h>

#include <regex>

#include "support/admin_pool.h"

TEST(CommentBoard, NewestEntryFirstEachFollowedByTwoEmptyLines) {
    AdminPool pool;
    pool.AddUser("ann@pool.test", "Ann Lee", "pw1");
    auto add = [&](const std::string& email, const std::string& pw, const std::string& text) {
        return pool.Act("ADDCOMMENTS", email, pw, {{"COMMENTFIELD", text}});
    };
    EXPECT_EQ(TextAreaLines(add("ann@pool.test", "pw1", " ")), std::vector<std::string>{"No Comments Exist Yet !"});
    EXPECT_FALSE(pool.Exists("ZRP__comments.txt"));

    const std::string stamp = R"( \d\d-\d\d-\d{4} \d\d:\d\d:\d\d : )";
    add(kBoss, "secret", "Hello, all!");
    EXPECT_TRUE(std::regex_match(pool.Read("ZRP__comments.txt"),
                                 std::regex("BIG BOSS" + stamp + "Hello&#44; all&#33;\r\n\r\n\r\n")));
    CgiAnswer board = add("ann@pool.test", "pw1", "First line\r\nSecond line");
    add("ann@pool.test", "pw1", "  \r\n  ");
    EXPECT_TRUE(std::regex_match(pool.Read("ZRP__comments.txt"),
                                 std::regex("ANN LEE" + stamp + "First line\r\nSecond line\r\n\r\n\r\n" + "BIG BOSS" +
                                            stamp + "Hello&#44; all&#33;\r\n\r\n\r\n")));
    for (const std::string& name : pool.Files()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;

    std::vector<std::string> shown = TextAreaLines(board);
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_TRUE(std::regex_match(shown[0], std::regex("ANN LEE" + stamp + "First line")));
    EXPECT_EQ(shown[1], "Second line");
    EXPECT_TRUE(std::regex_match(shown[4], std::regex("BIG BOSS" + stamp + "Hello&#44; all&#33;")));
}

TEST(CommentBoard, BoardShowsTheFirst600Lines) {
    AdminPool pool;
    std::string content;
    for (int i = 1; i <= 700; ++i) content += "line " + std::to_string(i) + "\r\n";
    pool.Write("ZRP__comments.txt", content);
    std::vector<std::string> shown = TextAreaLines(pool.Admin("VIEWCOMMENTS"));
    ASSERT_EQ(shown.size(), 600u);
    EXPECT_EQ(shown.back(), "line 600");
    CgiAnswer entry = pool.Admin("POSTCOMMENTS");
    EXPECT_EQ(entry.Hidden("ACTION"), "ADDCOMMENTS");
    EXPECT_TRUE(HasImageButton(entry, "Fcomments.gif", "Add Your Comments"));
}
