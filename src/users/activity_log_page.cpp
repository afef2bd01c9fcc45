#include "users/activity_log_page.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "cgi/output.h"
#include "core/activity_log.h"
#include "core/files.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"

namespace {

// True when text[at] starts a decimal character reference ("&#" up to three
// digits ";") to a printable ASCII character.
bool StartsPrintableReference(std::string_view text, size_t at) {
    if (text.substr(at, 2) != "&#") return false;
    size_t end = at + 2;
    int value = 0;
    while (end < text.size() && end < at + 5 && text[end] >= '0' && text[end] <= '9')
        value = value * 10 + (text[end++] - '0');
    if (end == at + 2 || end == text.size() || text[end] != ';') return false;
    return value >= 32 && value < 127;
}

bool MayBeReplaced(unsigned char c) { return c < 32 || c == 127 || c == '<' || c == '&'; }

// Sixteen bytes side by side: the compiler turns the tests below into a few
// vector instructions where the processor has them.
typedef unsigned char Bytes16 __attribute__((vector_size(16)));

// True when one of sixteen bytes may be replaced.
bool AnyMayBeReplaced(Bytes16 bytes) {
    auto flagged = (bytes < 32) | (bytes == 127) | (bytes == '<') | (bytes == '&');
    uint64_t halves[2];
    std::memcpy(halves, &flagged, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// Where the next byte that may be replaced stands from at on (the end when
// none). Nearly every byte of the log stays, so they are passed sixteen at a time.
size_t NextToLookAt(std::string_view record, size_t at) {
    for (Bytes16 bytes; at + sizeof bytes <= record.size(); at += sizeof bytes) {
        std::memcpy(&bytes, record.data() + at, sizeof bytes);
        if (AnyMayBeReplaced(bytes)) break;
    }
    while (at < record.size() && !MayBeReplaced(static_cast<unsigned char>(record[at]))) ++at;
    return at;
}

// How the text area shows the byte at record[at]: "" when as it is. A
// visitor's text (an action, an e-mail) must never close the text area nor
// show a line of its own: no "<", a middle dot for each control character,
// and "&" kept only where it starts a reference to a printable character (as
// escaped fields hold).
std::string_view ShownByte(std::string_view record, size_t at) {
    unsigned char c = static_cast<unsigned char>(record[at]);
    if (c < 32 || c == 127) return "&#183;";
    if (c == '<') return "&lt;";
    if (c == '&' && !StartsPrintableReference(record, at)) return "&amp;";
    return "";
}

// A record as the text area shows it, the bytes kept as they are copied in
// runs; most records go out as they are. out: room for a changed record,
// kept from one record to the next.
void SendShownRecord(std::string_view record, std::string& out) {
    size_t first = NextToLookAt(record, 0);
    if (first == record.size()) return Send(record);
    out.clear();
    size_t kept = 0;
    for (size_t i = first; i < record.size(); i = NextToLookAt(record, i + 1)) {
        std::string_view shown = ShownByte(record, i);
        if (shown.empty()) continue;
        out.append(record.substr(kept, i - kept)).append(shown);
        kept = i + 1;
    }
    Send(out.append(record.substr(kept)));
}

// The newest records of the log, at most maxRecords.
void PastActivityLog(int16_t maxRecords) {
    const Run& r = R();
    R().CurrentRoutine = "PastActivityLog";
    if (!FileExists(r.ActivityLogPath)) {
        Send("Activity Log Does Not Exist Yet !");
        return;
    }
    const int64_t recordLength = static_cast<int64_t>(kActivityRecordLength);
    // Seen in place: the newest hundred kilobytes of the log are not copied.
    FileRanges log(r.ActivityLogPath);
    int64_t count = log.Length() / recordLength;
    int64_t shown = std::clamp<int64_t>(maxRecords, 0, count);
    int64_t first = count - shown;
    std::string_view records = log.View(first * recordLength, shown * recordLength);
    // Newest first.
    std::string changed;
    for (int64_t i = static_cast<int64_t>(records.size()) / recordLength - 1; i >= 0; --i)
        SendShownRecord(records.substr(static_cast<size_t>(i * recordLength), kActivityRecordLength), changed);
}

}  // namespace

void AdminViewActivityLog() {
    R().CurrentRoutine = "AdminViewActivityLog";
    MenuTop();
    PageCaption("<br><i>Zarn Pool Activity Log</i><br>");
    Send("<!-- AdminViewActivityLog -->");
    OpenTextAreaTable("72", "15");
    PastActivityLog(900);
    CloseTextAreaTable();
    Send("<br>");
    ReturnToAdminMenuForm();
    CentredPageEnd();
}

