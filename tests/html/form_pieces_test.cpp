#include <gtest/gtest.h>

#include <regex>

#include "cgi/in_process.h"
#include "core/run.h"
#include "html/form_pieces.h"
#include "support/cgi_pool.h"

static std::string HiddenLine(const std::string& name, const std::string& value) {
    return R"(<INPUT TYPE="HIDDEN" NAME=")" + name + R"(" Value=")" + value + "\">";
}

static bool IsDecoyLine(const std::string& line, const std::string& name) {
    std::regex decoy(R"(<INPUT TYPE="HIDDEN" NAME=")" + name + R"(" Value="([2-8A-Y]-){21}">)");
    return std::regex_match(line, decoy);
}

TEST(FormSetupAndHidden, FirstFormBringsDecoysAndLaterFormsTheSameScrambledLogin) {
    InProcessRun run;
    ::Run& r = R();
    r.Action = "THISWEEK";
    r.LoginEmail = "ann@x.test";
    r.LoginPassword = "pw";
    r.FName = "F1";
    FormSetupAndHidden();
    EXPECT_EQ(r.CurrentRoutine, "FormSetupAndHidden");
    std::vector<std::string> lines = run.TakeLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], R"(<FORM METHOD="POST" ACTION="http://pool.test/cgi-bin/zrp.exe">)");
    EXPECT_EQ(lines[1], HiddenLine("ACTION", "THISWEEK"));
    EXPECT_TRUE(IsDecoyLine(lines[2], "AIX")) << lines[2];
    for (size_t i = 41; i < lines[2].size() - 2; i += 2) EXPECT_NE(lines[2][i], lines[2][i - 2]) << lines[2];
    EXPECT_TRUE(IsDecoyLine(lines[3], "AAX")) << lines[3];
    EXPECT_EQ(lines[4], HiddenLine("XAI", Scrambled("ann@x.test")));
    EXPECT_EQ(lines[5], HiddenLine("IAX", Scrambled("pw")));
    EXPECT_EQ(lines[6], HiddenLine("FNAME", "F1"));
    EXPECT_EQ(r.LoginEmail, Scrambled("ann@x.test"));

    ReturnToMainMenuForm();
    ReturnToAdminMenuForm();
    std::vector<std::string> menuForm = {
        R"(<FORM METHOD="POST" ACTION="http://pool.test/cgi-bin/zrp.exe">)",
        HiddenLine("ACTION", "LOGIN"),
        HiddenLine("XAI", Scrambled("ann@x.test")),
        HiddenLine("IAX", Scrambled("pw")),
        R"(<INPUT TYPE="image" SRC="http://pool.test/cgi-bin/ZRPFmainmenu.gif" ALT="Return to Main Menu">)",
        "</form>",
    };
    std::vector<std::string> expected = menuForm;
    menuForm[1] = HiddenLine("ACTION", "ADMIN");
    expected.insert(expected.end(), menuForm.begin(), menuForm.end());
    EXPECT_EQ(run.TakeLines(), expected);
}

TEST(FormSetupAndHidden, LoginActionAndMissingCredentialsWriteNoFields) {
    InProcessRun run;
    R().Action = "LOGIN";
    R().LoginEmail = "   ";
    FormSetupAndHidden();
    std::vector<std::string> formTagOnly = {R"(<FORM METHOD="POST" ACTION="http://pool.test/cgi-bin/zrp.exe">)"};
    EXPECT_EQ(run.TakeLines(), formTagOnly);
}

TEST(HiddenField, TrimsNameAndValueAndSkipsBlankValues) {
    InProcessRun run;
    HiddenField(" EDIT ", " x y ");
    HiddenField("FNAME", "  ");
    std::string scrambled = Scrambled("pw");
    HiddenField("IAX", scrambled);
    EXPECT_EQ(run.TakeLines(), (std::vector<std::string>{HiddenLine("EDIT", "x y"), HiddenLine("IAX", scrambled)}));
}
