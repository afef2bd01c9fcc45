// Shared pieces of the players' tests: a pool with a season and one player,
// and a check that names the lines a page lacks.
#pragma once

#include <string>
#include <vector>

#include "support/admin_pool.h"
#include "users/user_file.h"

using Lines = std::vector<std::string>;

inline const std::string kStamp = "01-02-2026 03:04:05";
inline const std::string kFace = "\"Verdana, Arial, Helvetica, sans-serif\"";

// The given lines the page lacks (none when it has them all).
inline Lines Missing(const CgiAnswer& page, const Lines& lines) {
    Lines missing;
    for (const std::string& line : lines)
        if (!page.HasLine(line)) missing.push_back(line);
    return missing;
}

inline std::string HiddenLine(const std::string& name, const std::string& value) {
    return "<INPUT TYPE=\"HIDDEN\" NAME=\"" + name + "\" Value=\"" + value + "\">";
}

inline std::string Bytes(const std::string& email, const std::string& password, const std::string& name,
                         const std::string& status, const std::string& stamp = kStamp) {
    return EncodeUserRecord({email, password, name, stamp, status});
}

// The last-access stamp of a record (numbered from 1) in the user file's bytes.
inline std::string StampOf(const std::string& users, int record) {
    return users.substr((record - 1) * kUserRecordLength + 140, 19);
}

// A two-period season, the administrator BIG BOSS (boss@pool.test / secret)
// and the player ANN LEE (ann@pool.test / pw1).
struct SeasonPool : AdminPool {
    SeasonPool() {
        Write("zrp.cfg", "WEEK1\r\nAlpha at Beta\r\nGamma at Delta\r\nWEEK2\r\nAlpha at Gamma\r\nBeta at Delta\r\n");
        WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER"});
    }
    CgiAnswer Ann(const std::string& action, const Fields& extra = {}) const {
        return Act(action, "ann@pool.test", "pw1", extra);
    }
    std::string UserFile() const { return Read("ZRPform_user.dat"); }
};
