#include "users/picks_count.h"

#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/picks_store.h"
#include "users/user_walks.h"

PeriodPicksCount CountPeriodPicks() {
    PicksFile picks(PicksFilePath(R().CurrentWeek));
    PeriodPicksCount count;
    ForEachUserFields([&](int32_t, const UserFieldViews& user) {
        std::string_view email = TrimBlanksView(user.Email), status = TrimBlanksView(user.Status);
        if (!IsListedUser(email, status) || status == "PENDING") return true;
        ++count.Players;
        std::string name(TrimBlanksView(user.RealName));
        if (picks.Exists() && picks.Find(name) >= 0)
            ++count.Saved;
        else
            count.Without.push_back({name, LCase(std::string(email))});
        return true;
    });
    return count;
}

std::string PicksSavedLine(const PeriodPicksCount& count) {
    return NumText(count.Saved) + " of " + NumText(count.Players) + " players " + (count.Saved == 1 ? "has" : "have") +
           " saved their picks for Period " + TrimBlanks(R().CurrentWeek);
}
