#include <gtest/gtest.h>

#include <regex>

#include "admin/admin_pool.h"
#include "core/text.h"

namespace {

const std::string kStamp = R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)";

bool AnyWorkFileLeft(const Pool& pool) {
    for (const std::string& name : pool.Files())
        if (name.size() > 4 && name.substr(name.size() - 4) == ".tmp") return true;
    return false;
}

CgiAnswer AddComment(const Pool& pool, const std::string& email, const std::string& password,
                     const std::string& text) {
    return pool.Act("ADDCOMMENTS", email, password, {{"COMMENTFIELD", text}});
}

}  // namespace

TEST(CommentBoard, NewestEntryFirstEachFollowedByTwoEmptyLines) {
    AdminPool pool;
    pool.AddUser("ann@pool.test", "Ann Lee", "pw1");
    EXPECT_EQ(TextAreaLines(pool.Act("VIEWCOMMENTS", "ann@pool.test", "pw1")),
              std::vector<std::string>{"No Comments Exist Yet !"});

    AddComment(pool, kBoss, kBossPassword, "Hello, all!");
    EXPECT_TRUE(std::regex_match(pool.Read("ZRP__comments.txt"),
                                 std::regex("BIG BOSS " + kStamp + " : Hello&#44; all&#33;\r\n\r\n\r\n")));

    CgiAnswer board = AddComment(pool, "ann@pool.test", "pw1", "First line\r\nSecond line");
    AddComment(pool, "ann@pool.test", "pw1", "  \r\n  ");
    std::string content = pool.Read("ZRP__comments.txt");
    EXPECT_TRUE(std::regex_match(content, std::regex("ANN LEE " + kStamp + " : First line\r\nSecond line\r\n\r\n\r\n" +
                                                     "BIG BOSS " + kStamp + " : Hello&#44; all&#33;\r\n\r\n\r\n")));
    EXPECT_FALSE(AnyWorkFileLeft(pool));

    std::vector<std::string> shown = TextAreaLines(board);
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_TRUE(StartsWith(shown[0], "ANN LEE "));
    EXPECT_EQ(std::vector<std::string>(shown.begin() + 1, shown.end()),
              (std::vector<std::string>{"Second line", "", "", shown[4], "", ""}));
    EXPECT_TRUE(StartsWith(shown[4], "BIG BOSS "));
    EXPECT_TRUE(board.HasLine("<!-- ViewComments -->"));
    EXPECT_TRUE(board.HasLine("<br><i>Zarn Pool Comments</i><br>"));
}

TEST(CommentBoard, BoardShowsTheFirst600Lines) {
    AdminPool pool;
    std::string content;
    for (int i = 1; i <= 700; ++i) content += "line " + std::to_string(i) + "\r\n";
    pool.Write("ZRP__comments.txt", content);
    std::vector<std::string> shown = TextAreaLines(pool.Admin("VIEWCOMMENTS"));
    ASSERT_EQ(shown.size(), 600u);
    EXPECT_EQ(shown.back(), "line 600");
}

TEST(CommentBoard, EntryPageSendsTheCommentOn) {
    AdminPool pool;
    CgiAnswer page = pool.Admin("POSTCOMMENTS");
    EXPECT_TRUE(page.HasLine("<br><i>Post Your Comments</i><br>"));
    EXPECT_TRUE(page.HasLine("<!-- PostComments -->"));
    EXPECT_TRUE(page.HasLine(R"(<textarea name="COMMENTFIELD" cols="60" rows="4" wrap="PHYSICAL"></textarea>)"));
    EXPECT_EQ(page.Hidden("ACTION"), "ADDCOMMENTS");
    EXPECT_TRUE(HasImageButton(page, "Fcomments.gif", "Add Your Comments"));
    EXPECT_FALSE(pool.Exists("ZRP__comments.txt"));
}
