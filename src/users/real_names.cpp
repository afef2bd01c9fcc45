#include "users/real_names.h"

#include "core/text.h"
#include "users/user_file.h"
#include "users/user_walks.h"

RealNameRefusal RefuseRealName(const std::string& typed, int32_t ownRecord) {
    std::string name = KeptRealName(typed);
    if (name.empty()) return RealNameRefusal::Blank;
    bool taken = false;
    ForEachUserRecord([&](int32_t number, const UserRecord& user) {
        if (!IsListedUser(user) || UCase(TrimBlanks(user.UserRealName)) != name) return true;
        taken = number != ownRecord;
        return taken;  // the player's own record holding it settles it
    });
    return taken ? RealNameRefusal::Taken : RealNameRefusal::None;
}
