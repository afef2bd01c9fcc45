#include "comments/comment_board.h"

#include <algorithm>

#include "cgi/output.h"
#include "core/clock.h"
#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "game/pick_sheet.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"

static void ShowCommentsFile(const std::string& path, int16_t lineLimit);

namespace {

// A comment holds at most this many characters as the player typed them.
constexpr size_t kCommentCharacters = 2000;
const char kTooLongNotice[] = "Your comment was not added: it has more than 2000 characters. Please shorten it.";

// The end of a decimal character reference ("&#" digits ";") that starts at
// text[at], its value in value; 0 when none starts there.
size_t ReferenceEnd(std::string_view text, size_t at, unsigned long& value) {
    if (text.substr(at, 2) != "&#") return 0;
    size_t end = at + 2;
    for (value = 0; end < text.size() && end < at + 9 && text[end] >= '0' && text[end] <= '9'; ++end)
        value = value * 10 + static_cast<unsigned long>(text[end] - '0');
    return end > at + 2 && end < text.size() && text[end] == ';' ? end + 1 : 0;
}

// The comment as the form sent it: the form's escaping turns every "&" into
// a reference, so each reference in the field is one of its own.
std::string Unescaped(std::string_view field) {
    std::string text;
    unsigned long value = 0;
    for (size_t at = 0; at < field.size();) {
        size_t end = ReferenceEnd(field, at, value);
        text += end ? static_cast<char>(value) : field[at];
        at = end ? end : at + 1;
    }
    return text;
}

// How many characters the player typed in the comment sent: a character
// outside the page's code page, which the browser sends as a reference, is
// one, and line breaks are none. The text area wraps its lines hard, so the
// browser sends a line break wherever a line wrapped on the screen; counted
// so, a comment is never refused that the text area's maxlength (which
// counts a typed line break as one) let through.
size_t TypedLength(std::string_view text) {
    size_t count = 0;
    unsigned long value = 0;
    for (size_t at = 0; at < text.size();) {
        size_t end = ReferenceEnd(text, at, value);
        count += end || (text[at] != '\r' && text[at] != '\n') ? 1 : 0;
        at = end ? end : at + 1;
    }
    return count;
}

// The lines of bytes, each ended with CR LF. Lines that end so in the file,
// as this program writes them, go out as they stand, many at once.
void SendTextLines(std::string_view bytes) {
    while (!bytes.empty()) {
        size_t kept = 0;
        for (size_t feed = bytes.find('\n'); feed != std::string_view::npos && feed > 0 && bytes[feed - 1] == '\r';
             feed = bytes.find('\n', feed + 1))
            kept = feed + 1;
        if (kept > 0) {
            Send(bytes.substr(0, kept - 2));
            bytes.remove_prefix(kept);
            continue;
        }
        Send(TextLineCursor(bytes).Next());
        size_t feed = bytes.find('\n');
        bytes.remove_prefix(feed == std::string_view::npos ? bytes.size() : feed + 1);
    }
}

void EndOfCommentPage() {
    ReturnToMainMenuForm();
    CentredPageEnd();
}

// The entry page; a comment that comes back brings its text and the reason.
void EntryPage(std::string_view notice, const std::string& typed) {
    MenuTop();
    PageCaption("<br><i>Post Your Comments</i><br>");
    Send("<!-- PostComments -->");
    if (!notice.empty()) NoticeLine(notice);
    SheetFormHead("ADDCOMMENTS");
    Send("<tr><td>");
    CommentField(typed);
    SendLine({"<br>", FontTag("1"), "At most 2000 characters.</font>"});
    Send("</td></tr>");
    CloseTable();
    Send("<br>");
    ImageButton("Fcomments.gif", "Add Your Comments");
    Send("</form>");
    EndOfCommentPage();
}

}  // namespace

// The board and its archive change together: a broken run leaves both as
// they were, and no work file behind.
void AddComment(const std::string& path) {
    Run& r = R();
    r.CurrentRoutine = "AddComment";
    if (TrimBlanks(r.CommentField).empty()) return;
    if (TypedLength(Unescaped(r.CommentField)) > kCommentCharacters) {
        EntryPage(kTooLongNotice, r.CommentField);
        EndRun();
    }
    std::string entry = Trimm(r.CurrentUserRealName) + " " + DateTimeStamp(NowLocal()) + " : " + r.CommentField;
    std::string head = JoinTextLines({entry, "", ""});
    std::vector<std::string> old = FileExists(path) ? ReadTextLines(path) : std::vector<std::string>{};
    std::vector<std::string> board = SplitTextLines(head);
    board.insert(board.end(), old.begin(), old.end());
    FileBatch batch;
    if (board.size() <= static_cast<size_t>(kCommentLinesShown)) {
        batch.Write(path, head + JoinTextLines(old));
    } else {
        // The board keeps what its page shows, so a comment costs the same
        // however many came before; the rest goes to the archive.
        auto cut = board.begin() + kCommentLinesShown;
        batch.Append(CommentsArchivePath(), JoinTextLines(std::vector<std::string>(cut, board.end())));
        board.erase(cut, board.end());
        batch.Write(path, JoinTextLines(board));
    }
    batch.Commit();
}

void CommentField(const std::string& typed) {
    constexpr std::string_view kOpen =
        R"(<textarea name="COMMENTFIELD" cols="60" rows="4" wrap="PHYSICAL" maxlength="2000">)";
    // The line break after the opening tag is no part of the text: a text
    // that starts with one keeps it.
    if (typed.empty())
        SendLine({kOpen, "</textarea>"});
    else
        SendLine({kOpen, "\r\n", typed, "</textarea>"});
}

void PostComments(const std::string&) {
    R().CurrentRoutine = "PostComments";
    EntryPage("", "");
}

void ViewComments(const std::string& path, int16_t lineLimit) {
    R().CurrentRoutine = "ViewComments";
    MenuTop();
    PageCaption("<br><i>Zarn Pool Comments</i><br>");
    Send("<!-- ViewComments -->");
    OpenTextAreaTable("60", "15");
    ShowCommentsFile(path, lineLimit);
    CloseTextAreaTable();
    Send("<br>");
    EndOfCommentPage();
}

static void ShowCommentsFile(const std::string& path, int16_t lineLimit) {
    R().CurrentRoutine = "ShowCommentsFile";
    if (!FileExists(path)) {
        Send("No Comments Exist Yet !");
        return;
    }
    // The reader stops at the last line shown.
    SendTextLines(ReadFirstTextBytes(path, static_cast<size_t>(std::max<int16_t>(lineLimit, 0))));
}
