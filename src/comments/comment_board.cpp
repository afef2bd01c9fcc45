#include "comments/comment_board.h"

#include <algorithm>

#include "cgi/output.h"
#include "core/clock.h"
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

// The work file of one addition: the prefix, the seconds since midnight, ".tmp".
// Two additions in one second never share it: the folder lock lets one run in
// at a time.
std::string CommentWorkFilePath(const LocalTime& now) {
    return DataPath(NumText(now.Hour * 3600 + now.Minute * 60 + now.Second) + ".tmp");
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

}  // namespace

void AddComment(const std::string& path) {
    Run& r = R();
    r.CurrentRoutine = "AddComment";
    if (TrimBlanks(r.CommentField).empty()) return;
    LocalTime now = NowLocal();
    std::string entry = Trimm(r.CurrentUserRealName) + " " + DateTimeStamp(now) + " : " + r.CommentField;
    std::string head = JoinTextLines({entry, "", ""});
    std::vector<std::string> old = FileExists(path) ? ReadTextLines(path) : std::vector<std::string>{};
    std::vector<std::string> board = SplitTextLines(head);
    board.insert(board.end(), old.begin(), old.end());
    // The whole new board goes to the work file and then replaces the old
    // one, so a broken run leaves the board as it was and no work file behind.
    if (board.size() <= static_cast<size_t>(kCommentLinesShown)) {
        WriteFileVia(path, CommentWorkFilePath(now), head + JoinTextLines(old));
        return;
    }
    // The board keeps what its page shows, so a comment costs the same however
    // many came before; the rest is archived first, so no line is ever lost.
    auto cut = board.begin() + kCommentLinesShown;
    AppendTextLines(CommentsArchivePath(), std::vector<std::string>(cut, board.end()));
    board.erase(cut, board.end());
    WriteFileVia(path, CommentWorkFilePath(now), JoinTextLines(board));
}

void CommentField() { Send(R"(<textarea name="COMMENTFIELD" cols="60" rows="4" wrap="PHYSICAL"></textarea>)"); }

void PostComments(const std::string&) {
    R().CurrentRoutine = "PostComments";
    MenuTop();
    PageCaption("<br><i>Post Your Comments</i><br>");
    Send("<!-- PostComments -->");
    SheetFormHead("ADDCOMMENTS");
    Send("<tr><td>");
    CommentField();
    Send("</td></tr>");
    CloseTable();
    Send("<br>");
    ImageButton("Fcomments.gif", "Add Your Comments");
    Send("</form>");
    EndOfCommentPage();
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
