#include "core/activity_log.h"

#include "core/clock.h"
#include "core/files.h"
#include "core/fixed_width.h"
#include "core/run.h"
#include "core/text.h"

// The record of this request as it is appended.
static std::string ActivityRecord() {
    const Run& r = R();
    LocalTime now = NowLocal();
    std::string text = TrimBlanks(r.Version) + "," + TrimBlanks(CgiVar("REMOTE_ADDR"));
    text += r.Action.empty() ? ", Program Called " : ", Action=";
    text += r.Action + " " + DateMDY(now) + " " + TimeHMS(now) + " " + r.LoginEmail;
    return FixedWidth(text, kActivityRecordLength);
}

// A record that a killed run left cut short is written over.
void WriteActivityLog() { AppendRecord(R().ActivityLogPath, ActivityRecord()); }
