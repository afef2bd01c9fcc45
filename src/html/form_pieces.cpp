#include "html/form_pieces.h"

#include <sys/random.h>
#include <unistd.h>

#include <ctime>
#include <random>
#include <utility>

#include "cgi/output.h"
#include "core/run.h"
#include "core/scramble.h"
#include "core/text.h"
#include "images/site_images.h"

void FormTag() { SendLine({"<FORM METHOD=\"POST\" ACTION=\"", R().ScriptUrl, "\">"}); }

void FormSetupAndHidden() {
    Run& r = R();
    r.CurrentRoutine = "FormSetupAndHidden";
    FormTag();
    if (r.Action != "LOGIN") HiddenField("ACTION", r.Action);
    HiddenField("XAI", r.LoginEmail);
    HiddenField("IAX", r.LoginPassword);
    HiddenField("EDIT", r.Edit);
    HiddenField("FNAME", r.FName);
}

// From the kernel: std::random_device first asks the processor what it
// offers, which on a virtual machine costs more than a small page.
static unsigned DecoySeed() {
    unsigned seed = 0;
    if (getrandom(&seed, sizeof seed, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof seed))
        seed = static_cast<unsigned>(time(nullptr)) ^ static_cast<unsigned>(getpid());
    return seed;
}

// 21 random characters, each followed by "-", never twice the same in a row.
static std::string DecoyText() {
    static constexpr std::string_view kAlphabet = "2345678ABCDEFGHIJKLMNOPQRSTUVWXY";
    // Decoys only need to differ from page to page: an engine whose seeding
    // costs nothing beside the page.
    static std::minstd_rand engine{DecoySeed()};
    std::uniform_int_distribution<size_t> pick(0, kAlphabet.size() - 1);
    std::string text;
    char last = 0;
    while (text.size() < 42) {
        char c;
        do c = kAlphabet[pick(engine)];
        while (c == last);
        text += {c, '-'};
        last = c;
    }
    return text;
}

static void SendHidden(std::string_view name, std::string_view value) {
    SendLine({"<INPUT TYPE=\"HIDDEN\" NAME=\"", name, "\" Value=\"", value, "\">"});
}

void HiddenField(const std::string& name, std::string& value) {
    bool credential = name == "XAI" || name == "IAX";
    if (credential && !StartsWith(value, kScrambleMarker) && !TrimBlanksView(value).empty()) {
        value = ScrambleValue(value);
        if (name == "XAI") {
            SendHidden("AIX", DecoyText());
            SendHidden("AAX", DecoyText());
        }
    }
    std::string_view shown = TrimBlanksView(value);
    if (!shown.empty()) SendHidden(TrimBlanksView(name), shown);
}

void HiddenField(const std::string& name, const std::string& value) {
    std::string copy = value;
    HiddenField(name, copy);
}

void LoginFields() {
    HiddenField("XAI", R().LoginEmail);
    HiddenField("IAX", R().LoginPassword);
}

// The picture's address: its file name under ImageUrlBase.
void ImageButton(std::string_view picture, std::string_view alt) {
    SendLine({"<INPUT TYPE=\"image\" SRC=\"", R().ImageUrlBase, ImageFileName(picture), "\" ALT=\"", alt, "\">"});
}

static void ReturnToMenuForm(const std::string& action) {
    FormTag();
    HiddenField("ACTION", action);
    LoginFields();
    ImageButton("Fmainmenu.gif", "Return to Main Menu");
    Send("</form>");
}

void ReturnToMainMenuForm() { ReturnToMenuForm("LOGIN"); }
void ReturnToAdminMenuForm() { ReturnToMenuForm("ADMIN"); }

// The help page of an action ("" when there is none).
static std::string_view HelpPageOf(const std::string& action) {
    static constexpr std::pair<std::string_view, std::string_view> kHelpPages[] = {
        {"LOGIN", "mainmenu1.html"}, {"VIEWUSERPICKS", "viewselections1.html"}, {"VIEWPLAYERS", "viewplayers1.html"},
        {"USERPICS1", "makeselections1.html"}, {"USERPICS2", "makeselections1.html"},
        {"THISWEEK", "makeselections1.html"}, {"LASTWEEK", "lastweeks1.html"}, {"SCOREBOARD", "scoreboard1.html"},
        {"POSTCOMMENTS", "postcomments1.html"}, {"VIEWCOMMENTS", "viewcomments1.html"},
        {"ENTERWINNERS2", "adminmenu1.html"}, {"ADMINMAINMENU", "adminmenu1.html"}, {"ADDUSER", "adminmenu1.html"},
        {"EDITUSER", "adminmenu1.html"}, {"VIEWUSERS", "adminmenu1.html"}, {"ENTERWINNERS", "adminmenu1.html"},
        {"LOCKOUTDATE", "adminmenu1.html"}, {"ACTIVITYLOG", "adminmenu1.html"}, {"NEWUSER", "adminmenu1.html"},
        {"DF", "teamdatafile1.html"}, {"", "welcome1.html"}, {"PASSWORD ERROR", "welcome1.html"},
    };
    std::string word = UCase(TrimBlanks(action));
    for (const auto& [a, page] : kHelpPages)
        if (word == a) return page;
    return "";
}

void HelpLink() {
    Send("      <div align=\"center\">");
    SendLine({"        <a href=\"", R().HelpBaseUrl, HelpPageOf(R().Action),
              "\" onClick=\"NewWindow(this.href,'name','500','500','yes');return false;\">"});
    Send(FontTag("1", "#FFFFFF"));
    Send("        Help</font></a></div>");
}

void CloseTable() { Send("</table>"); }
