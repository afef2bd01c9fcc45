#include "game/lock_date.h"

#include "core/clock.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"

void SaveLockDate() {
    const Run& r = R();
    WriteFileAtomic(LockDateFilePath(), JoinTextLines({TrimBlanks(r.Month), TrimBlanks(r.Day), TrimBlanks(r.Year),
                                                       TrimBlanks(r.Hour), TrimBlanks(r.Minute)}));
}

// A page asks for the date up to three times.
static const std::vector<std::string>* StoredLockDate() {
    return LinesWhileUnchanged(LockDateFilePath(), R().ReadThisRun.LockDateFile);
}

static void SetLockDate(const std::vector<std::string>* stored) {
    static const std::vector<std::string> kNotSet = {"00", "00", "0000", "00", "00"};
    Run& r = R();
    LineReader file(stored ? *stored : kNotSet);
    r.Month = file.Next();
    r.Day = file.Next();
    r.Year = file.Next();
    r.Hour = file.Next();
    r.Minute = file.Next();
    r.LockDateText = TrimBlanks(r.Month) + "-" + TrimBlanks(r.Day) + "-" + TrimBlanks(r.Year) +
                     "  Time: " + TrimBlanks(r.Hour) + ":" + TrimBlanks(r.Minute);
}

void LoadLockDate() { SetLockDate(StoredLockDate()); }

bool IsGameLocked() {
    const std::vector<std::string>* stored = StoredLockDate();
    if (!stored) return false;
    SetLockDate(stored);
    const Run& r = R();
    double lockDay = Val(TrimBlanks(r.Year) + TrimBlanks(r.Month) + TrimBlanks(r.Day));
    double lockTime = Val(TrimBlanks(r.Hour) + TrimBlanks(r.Minute));
    LocalTime now = NowLocal();
    double today = now.Year * 10000.0 + now.Month * 100 + now.Day;
    double nowTime = now.Hour * 100.0 + now.Minute;
    return lockDay < today || (lockDay == today && lockTime < nowTime);
}

bool PicksAreClosed() {
    std::string weekFile;
    LoadWeekFile(weekFile);
    return IsGameLocked() || PoolHasEnded();
}
