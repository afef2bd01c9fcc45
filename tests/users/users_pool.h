// Shared pieces of the players' tests: a pool with a season and one player,
// user records as the user file holds them, and a check that names the lines
// a page lacks.
#pragma once

#include <string>
#include <vector>

#include "support/admin_pool.h"
#include "users/user_file.h"

inline const std::string kStamp = "01-02-2026 03:04:05";

// The given lines the page lacks (none when it has them all).
inline Lines Missing(const CgiAnswer& page, Lines lines) {
    std::erase_if(lines, [&page](const std::string& line) { return page.HasLine(line); });
    return lines;
}

inline std::string Bytes(std::string email, std::string password, std::string name, std::string status,
                         std::string stamp = kStamp) {
    return EncodeUserRecord({email, password, name, stamp, status});
}

// The last-access stamp of a record (numbered from 1) in the user file's bytes.
inline std::string StampOf(const std::string& users, int record) {
    return users.substr((record - 1) * kUserRecordLength + kUserLastAccess.Offset, 19);
}

// A two-period season, the administrator BIG BOSS (boss@pool.test / secret)
// and the player ANN LEE (ann@pool.test / pw1).
struct SeasonPool : AdminPool {
    SeasonPool() {
        Write("zrp.cfg", "WEEK1\r\nAlpha at Beta\r\nGamma at Delta\r\nWEEK2\r\nAlpha at Gamma\r\nBeta at Delta\r\n");
        WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER"});
    }
    std::string UserFile() const { return Read("ZRPform_user.dat"); }
};
