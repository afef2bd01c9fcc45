// A pool whose administrator has joined, and readers of what the
// administrator's pages write.
#pragma once

#include <string>
#include <vector>

#include "core/run.h"
#include "support/cgi_pool.h"

struct AdminPool : Pool {
    AdminPool() { Join(kBoss, "secret", "Big Boss"); }
    CgiAnswer Admin(const std::string& action, const Fields& extra = {}) const {
        return Act(action, kBoss, "secret", extra);
    }
    // Stores an add row, or the edit row of the player named edited, whom the row replaces.
    CgiAnswer AddUser(const std::string& email, const std::string& name, const std::string& pw,
                      const std::string& status = "USER", const std::string& edited = "") const {
        Fields row = {{"USEREMAIL", email}, {"USERREALNAME", name}, {"USERPASSWORD", pw}, {"USERSTATUS", status}};
        if (!edited.empty()) row.push_back({"EDITEDUSER", edited});
        return Admin("ADMINUPDATE", row);
    }
    // "EMAIL/STATUS" of each record of the user file.
    std::vector<std::string> Users() const;
    // Writes records of the form "EMAIL/NAME/PASSWORD/STATUS" as the user file.
    void WriteUsers(const std::vector<std::string>& users) const;
};

// The lines strictly between the comment text area's opening line and its "</textarea>".
std::vector<std::string> TextAreaLines(const CgiAnswer& answer);
