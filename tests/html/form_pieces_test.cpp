#include <gtest/gtest.h>

#include <regex>

#include "game/sheet_expect.h"
#include "html/form_pieces.h"
#include "support/cgi_pool.h"
#include "support/run_folder.h"

TEST(FormSetupAndHidden, DecoysOnlyBeforeTheFirstXaiAndLaterFormsReuseTheScrambledLogin) {
    RunFolder run;
    R().Action = "THISWEEK";
    R().LoginEmail = "ann@x.test";
    R().LoginPassword = "pw";
    FormSetupAndHidden();
    ReturnToAdminMenuForm();
    std::vector<std::string> lines = run.TakeLines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_TRUE(std::regex_match(lines[2] + lines[3], std::regex(HiddenLine("AIX", "([2-8A-Y]-){21}") +
                                                                 HiddenLine("AAX", "([2-8A-Y]-){21}"))));
    lines.erase(lines.begin() + 2, lines.begin() + 4);
    const std::string form = R"(<FORM METHOD="POST" ACTION="http://pool.test/cgi-bin/zrp.exe">)";
    const std::string xai = HiddenLine("XAI", Scrambled("ann@x.test")), iax = HiddenLine("IAX", Scrambled("pw"));
    const std::string button =
        R"(<INPUT TYPE="image" SRC="http://pool.test/cgi-bin/ZRPFmainmenu.gif" ALT="Return to Main Menu">)";
    EXPECT_EQ(lines, (std::vector<std::string>{form, HiddenLine("ACTION", "THISWEEK"), xai, iax, form,
                                               HiddenLine("ACTION", "ADMIN"), xai, iax, button, "</form>"}));
}
