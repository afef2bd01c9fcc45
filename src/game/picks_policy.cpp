#include "game/picks_policy.h"

#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/lock_date.h"
#include "game/picks_store.h"

std::string StoredPicksPolicy() {
    return ReadSettingWord(PicksPolicyFilePath(), kPicksFinal) == kPicksMayChange ? kPicksMayChange : kPicksFinal;
}

bool SavedPicksMayChange() { return StoredPicksPolicy() == kPicksMayChange; }

void SavePicksPolicy(FileBatch& batch, const std::string& policy) {
    std::string word = UCase(TrimBlanks(policy));
    if (word == kPicksFinal || word == kPicksMayChange) batch.Write(PicksPolicyFilePath(), JoinTextLines({word}));
}

std::string_view SavePolicyLine() {
    return SavedPicksMayChange() ? "You can change your picks until the lock-out date."
                                 : "Once saved, your picks cannot be changed.";
}

// A first save never replaces saved picks, so an old confirmation sent again
// cannot undo a later change; a confirmation made once picks are saved
// carries the change where changes are allowed.
std::string SavedPicksRefusal() {
    const Run& r = R();
    bool mayChange = SavedPicksMayChange();
    std::string picks = "Your picks for Period " + TrimBlanks(r.CurrentWeek);
    if (r.Action == kChangePicksAction) return mayChange ? "" : picks + " were not changed: saved picks are final.";
    if (!HasSavedPicks() || (mayChange && r.Action == "USERPICS1")) return "";
    return picks + " were already saved and were not changed" +
           (mayChange ? "; to change them, view them and press Change My Picks." : ".");
}

std::string ClosedPicksNotice() {
    std::string taken = R().Action == kChangePicksAction ? "changed" : "saved";
    return "Your picks were not " + taken +
           (IsGameLocked() ? " because the game is locked." : " because the pool has ended.");
}
