#include "users/activity_log_page.h"

#include <algorithm>
#include <cstdint>

#include "cgi/output.h"
#include "core/activity_log.h"
#include "core/files.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"

static void PastActivityLog(int16_t maxRecords);

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

// The newest records of the log, at most maxRecords.
static void PastActivityLog(int16_t maxRecords) {
    const Run& r = R();
    R().CurrentRoutine = "PastActivityLog";
    if (!FileExists(r.ActivityLogPath)) {
        Send("Activity Log Does Not Exist Yet !");
        return;
    }
    const int64_t recordLength = static_cast<int64_t>(kActivityRecordLength);
    int64_t count = FileLength(r.ActivityLogPath) / recordLength;
    int64_t shown = std::clamp<int64_t>(maxRecords, 0, count);
    int64_t first = count - shown;
    std::string records = ReadFileRange(r.ActivityLogPath, first * recordLength, shown * recordLength);
    // Newest first. A visitor's text (an action, an e-mail) must never close
    // the text area, so no record may carry a "<" into the page.
    for (int64_t i = static_cast<int64_t>(records.size()) / recordLength - 1; i >= 0; --i)
        Send(ReplaceAll(records.substr(static_cast<size_t>(i * recordLength), kActivityRecordLength), "<", "&lt;"));
}
