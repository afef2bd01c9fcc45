#include "html/form_pieces.h"

#include <sys/random.h>
#include <unistd.h>

#include <ctime>
#include <random>

#include "cgi/output.h"
#include "core/run.h"
#include "core/scramble.h"
#include "core/text.h"
#include "images/site_images.h"

std::string FontTag(std::string_view size, std::string_view color) {
    std::string tag = "<font face=\"";
    tag.append(kFontFace).append("\" size=\"").append(size).append("\"");
    if (!color.empty()) tag.append(" color=\"").append(color).append("\"");
    return tag += '>';
}

std::string FormTag() { return "<FORM METHOD=\"POST\" ACTION=" + Quoted(R().ScriptUrl) + ">"; }

void FormSetupAndHidden() {
    Run& r = R();
    r.CurrentRoutine = "FormSetupAndHidden";
    Send(FormTag());
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
    static const std::string kAlphabet = "2345678ABCDEFGHIJKLMNOPQRSTUVWXY";
    // Decoys only need to differ from page to page: an engine whose seeding
    // costs nothing beside the page.
    static std::minstd_rand engine{DecoySeed()};
    std::uniform_int_distribution<size_t> pick(0, kAlphabet.size() - 1);
    std::string text;
    char last = 0;
    for (int i = 0; i < 21; ++i) {
        char c;
        do c = kAlphabet[pick(engine)];
        while (c == last);
        text += c;
        text += '-';
        last = c;
    }
    return text;
}

static void SendHidden(const std::string& name, const std::string& value) {
    Send("<INPUT TYPE=\"HIDDEN\" NAME=" + Quoted(name) + " Value=" + Quoted(value) + ">");
}

void HiddenField(const std::string& name, std::string& value) {
    bool credential = name == "XAI" || name == "IAX";
    if (credential && !StartsWith(value, kScrambleMarker) && !TrimBlanks(value).empty()) {
        value = ScrambleValue(value);
        if (name == "XAI") {
            SendHidden("AIX", DecoyText());
            SendHidden("AAX", DecoyText());
        }
    }
    if (!TrimBlanks(value).empty()) SendHidden(TrimBlanks(name), TrimBlanks(value));
}

void HiddenField(const std::string& name, const std::string& value) {
    std::string copy = value;
    HiddenField(name, copy);
}

void LoginFields() {
    HiddenField("XAI", R().LoginEmail);
    HiddenField("IAX", R().LoginPassword);
}

void ImageButton(const std::string& src, const std::string& alt) {
    Send("<INPUT TYPE=\"image\" SRC=" + Quoted(src) + " ALT=" + Quoted(alt) + ">");
}

static void ReturnToMenuForm(const std::string& action) {
    Send(FormTag());
    HiddenField("ACTION", action);
    LoginFields();
    ImageButton(R().ImageUrlBase + ImageFileName("Fmainmenu.gif"), "Return to Main Menu");
    Send("</form>");
}

void ReturnToMainMenuForm() { ReturnToMenuForm("LOGIN"); }
void ReturnToAdminMenuForm() { ReturnToMenuForm("ADMIN"); }

// The help page of an action ("" when there is none).
static std::string HelpPageOf(const std::string& action) {
    static const struct {
        const char* Page;
        std::initializer_list<const char*> Actions;
    } kHelpPages[] = {
        {"mainmenu1.html", {"LOGIN"}},
        {"viewselections1.html", {"VIEWUSERPICKS"}},
        {"viewplayers1.html", {"VIEWPLAYERS"}},
        {"makeselections1.html", {"USERPICS1", "USERPICS2", "THISWEEK"}},
        {"lastweeks1.html", {"LASTWEEK"}},
        {"scoreboard1.html", {"SCOREBOARD"}},
        {"postcomments1.html", {"POSTCOMMENTS"}},
        {"viewcomments1.html", {"VIEWCOMMENTS"}},
        {"adminmenu1.html",
         {"ENTERWINNERS2", "ADMINMAINMENU", "ADDUSER", "EDITUSER", "VIEWUSERS", "ENTERWINNERS", "LOCKOUTDATE",
          "ACTIVITYLOG", "NEWUSER"}},
        {"teamdatafile1.html", {"DF"}},
        {"welcome1.html", {"", "PASSWORD ERROR"}},
    };
    std::string word = UCase(TrimBlanks(action));
    for (const auto& entry : kHelpPages)
        for (const char* a : entry.Actions)
            if (word == a) return entry.Page;
    return "";
}

void HelpLink() {
    std::string page = LCase(HelpPageOf(R().Action));
    Send("      <div align=\"center\">");
    Send("        <a href=" + Quoted(R().HelpBaseUrl + page) +
         " onClick=\"NewWindow(this.href,'name','500','500','yes');return false;\">");
    Send(FontTag("1", "#FFFFFF"));
    Send("        Help</font></a></div>");
}

void CloseTable() { Send("</table>"); }
