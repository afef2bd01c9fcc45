#include <gtest/gtest.h>

#include "cgi/in_process.h"
#include "cgi/settings.h"
#include "core/clock.h"
#include "core/run.h"
#include "html/form_pieces.h"
#include "html/page_frame.h"

static const std::string kClock = "(clock line)";

// MenuTop's lines, its date and time line replaced by kClock once it is
// found to show the clock of the moment the banner was written.
static std::vector<std::string> Banner(InProcessRun& run) {
    auto line = [](const LocalTime& t) { return "      Date: " + DateMDY(t) + "  Time: " + TimeHM(t) + "<br>"; };
    std::string before = line(NowLocal());
    MenuTop();
    std::string after = line(NowLocal());
    std::vector<std::string> lines = run.TakeLines();
    if (lines.size() > 20 && (lines[20] == before || lines[20] == after)) lines[20] = kClock;
    return lines;
}

static std::vector<std::string> Joined(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

static std::string HelpAnchor(const std::string& page) {
    return "        <a href=\"" + std::string(kHelpBaseUrl) + page +
           "\" onClick=\"NewWindow(this.href,'name','500','500','yes');return false;\">";
}

TEST(MenuTop, BannerOfAPlayersPage) {
    InProcessRun run;
    run.Write("ZRPweek.dat", "5\r\n1\r\n17\r\n");
    ::Run& r = R();
    r.Action = "THISWEEK";
    r.CurrentUserRealName = "Ann Smith";
    r.AdministratorName = "BOSS";
    r.AdministratorEmail = "boss@x.test";
    const std::string font = R"(face="Verdana, Arial, Helvetica, sans-serif")";
    std::vector<std::string> expected = Joined(HeaderLines("The Zarn Pool"), {
        R"(<body bgcolor="#E1D4C0" text="#000099" link="#666666" vlink="#666666" alink="#999999" )"
        R"(leftmargin="0" topmargin="0">)",
        R"(<table width="100%" border="0" cellspacing="0" cellpadding="5" bgcolor="#FFFFCC">)",
        "  <tr>",
        R"(    <td width="35%" valign="middle" align="center"><font )" + font + R"( size="1">Today's)",
        kClock,
        R"(      <font color="#FF0000"><i>Lock Out Date Has Not Been Set!</i></font></font><br>)",
        "      <font " + font + R"( size="2" color="#006600">User)",
        "      : Ann Smith</font></td>",
        R"(    <td width="30%" valign="top">)",
        R"(      <div align="center"><img src="http://pool.test/cgi-bin/ZRPFheader.gif" )"
        R"(width="191" height="54" usemap="#Map" border="0">)",
        "</div>",
        "    </td>",
        R"(    <td width="35%">)",
        R"(      <div align="center">)",
        R"(        <a href="MAILTO:boss@x.test"><font )" + font + R"( size="2">BOSS)",
        "        </font></a></div>",
        "    </td>",
        "  </tr>",
        R"(  <tr bgcolor="#000066">)",
        R"(    <td width="35%"><div align="center"><font )" + font + R"( size="1" color="#FFFFCC">Period:)",
        "       5 of 17",
        "</font></div></td>",
        R"(    <td width="30%">)",
        R"(<div align="center">)",
        R"x(<a href="javascript:history.go(-1)"> <font color="#FFFFFF" )x" + font + R"( size="2"> Back</font></a>)",
        "</div>",
        " </td>",
        R"(    <td width="35%">)",
        R"(      <div align="center">)",
        HelpAnchor("makeselections1.html"),
        "<font " + font + R"( size="1" color="#FFFFFF">)",
        "        Help</font></a></div>",
        "    </td>",
        "  </tr>",
        "</table>",
        R"(<map name="Map">)",
        R"(  <area shape="rect" coords="16,29,173,50" href=")" + std::string(kImageMapUrl) + "\">",
        "</map>",
    });
    EXPECT_EQ(Banner(run), expected);
    EXPECT_FALSE(r.PoolEnded);
}

// A login page (no action, no player) of an ended pool with a passed lock-out.
TEST(MenuTop, LoginPageOfAnEndedAndLockedPool) {
    InProcessRun run;
    run.Write("ZRPweek.dat", "18\r\n1\r\n17\r\n");
    run.Write("ZRP__LockDateTime.txt", "01\r\n02\r\n2000\r\n10\r\n05\r\n");
    std::vector<std::string> lines = Banner(run);
    ASSERT_GT(lines.size(), 43u);
    EXPECT_EQ(lines[21], R"(      <font color="#FF0000"><b>GAME LOCKED  Date: 01-02-2000  Time: 10:05</b><br>)");
    EXPECT_EQ(lines[22], "You Will Not Be Able to Make Selections</font></font><br>");
    EXPECT_EQ(lines[23], "</font></td>");
    EXPECT_EQ(lines[36], "Team File Completed!<br>Pool Ended");
    EXPECT_EQ(lines[39], "&nbsp;");
    EXPECT_EQ(lines[43], HelpAnchor("welcome1.html"));
    EXPECT_TRUE(R().PoolEnded);

    run.Write("ZRP__LockDateTime.txt", "12\r\n31\r\n2999\r\n23\r\n59\r\n");
    EXPECT_EQ(Banner(run).at(21),
              R"(      <font color="#FF0000">Lock Out Date: 12-31-2999  Time: 23:59</font></font><br>)");
}

TEST(PageFooter, CopyrightAndVersion) {
    InProcessRun run;
    PageFooter();
    std::vector<std::string> expected = {
        R"(<hr align="center" width="200">)",
        R"(<P align="center"><font size="2"> )"
        R"(<font face="Verdana, Arial, Helvetica, sans-serif" size="1" color="#000000">)" +
            std::string(kCopyrightFirstWord),
        kCopyrightRest,
        "Version 0.99 - Build 9.6.2</font><br>",
        "  </font> </P>",
    };
    EXPECT_EQ(run.TakeLines(), expected);
}

TEST(HelpLink, PageChosenByTheTrimmedUpperCasedAction) {
    EXPECT_EQ(HelpPageOf(" userpics2 "), "makeselections1.html");
    EXPECT_EQ(HelpPageOf("PASSWORD ERROR"), "welcome1.html");
    InProcessRun run;
    R().Action = "ENTERWINNERSFINAL";
    HelpLink();
    std::vector<std::string> lines = run.TakeLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], HelpAnchor(""));
}
