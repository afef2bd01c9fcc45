// A pool whose administrator has joined, and readers of the files the
// administrator's pages change.
#pragma once

#include <string>
#include <vector>

#include "core/run.h"
#include "support/cgi_pool.h"

inline const std::string kBoss = "boss@pool.test";
inline const std::string kBossPassword = "secret";

class AdminPool : public Pool {
public:
    AdminPool();
    // A request of the administrator.
    CgiAnswer Admin(const std::string& action, const Fields& extra = {}) const;
    // Sends the add row (ADMINUPDATE) for one user.
    CgiAnswer AddUser(const std::string& email, const std::string& name, const std::string& password,
                      const std::string& status = "USER") const;
    // The user file's records, each field trimmed.
    std::vector<UserRecord> Users() const;
    void WriteUsers(const std::vector<UserRecord>& users) const;
};

// The lines strictly between the first line that starts with openPrefix and
// the next line equal to close.
std::vector<std::string> LinesInside(const CgiAnswer& answer, const std::string& openPrefix, const std::string& close);
std::vector<std::string> TextAreaLines(const CgiAnswer& answer);
// An image submit button whose picture is the site image of that base name.
bool HasImageButton(const CgiAnswer& answer, const std::string& image, const std::string& alt);
// A record as a test writes it into a user file by hand.
UserRecord MakeUser(const std::string& email, const std::string& name, const std::string& password,
                    const std::string& status);
