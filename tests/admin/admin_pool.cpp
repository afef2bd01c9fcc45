#include "admin/admin_pool.h"

#include <algorithm>
#include <regex>

#include "core/text.h"
#include "users/user_file.h"

AdminPool::AdminPool() { Join(kBoss, kBossPassword, "Big Boss"); }

CgiAnswer AdminPool::Admin(const std::string& action, const Fields& extra) const {
    return Act(action, kBoss, kBossPassword, extra);
}

CgiAnswer AdminPool::AddUser(const std::string& email, const std::string& name, const std::string& password,
                             const std::string& status) const {
    return Admin("ADMINUPDATE",
                 {{"USEREMAIL", email}, {"USERREALNAME", name}, {"USERPASSWORD", password}, {"USERSTATUS", status}});
}

std::vector<UserRecord> AdminPool::Users() const {
    std::string bytes = Exists("ZRPform_user.dat") ? Read("ZRPform_user.dat") : "";
    std::vector<UserRecord> users;
    for (size_t at = 0; at + kUserRecordLength <= bytes.size(); at += kUserRecordLength) {
        UserRecord u = DecodeUserRecord(bytes, at);
        for (std::string* field : {&u.UserEmail, &u.UserPassword, &u.UserRealName, &u.UserLastAccess, &u.UserStatus})
            *field = TrimBlanks(*field);
        users.push_back(u);
    }
    return users;
}

void AdminPool::WriteUsers(const std::vector<UserRecord>& users) const {
    std::string bytes;
    for (const UserRecord& u : users) bytes += EncodeUserRecord(u);
    Write("ZRPform_user.dat", bytes);
}

std::vector<std::string> LinesInside(const CgiAnswer& answer, const std::string& openPrefix, const std::string& close) {
    std::vector<std::string> lines = answer.Lines();
    auto open = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return StartsWith(l, openPrefix); });
    if (open == lines.end()) return {};
    auto end = std::find(open + 1, lines.end(), close);
    return {open + 1, end};
}

std::vector<std::string> TextAreaLines(const CgiAnswer& answer) {
    return LinesInside(answer, "<textarea name=\"COMMENTFIELD\"", "</textarea>");
}

UserRecord MakeUser(const std::string& email, const std::string& name, const std::string& password,
                    const std::string& status) {
    return {email, password, name, "01-02-2026 03:04:05", status};
}

bool HasImageButton(const CgiAnswer& answer, const std::string& image, const std::string& alt) {
    std::regex button("<INPUT TYPE=\"image\" SRC=\"[^\"]*" + image + "\" ALT=\"" + alt + "\">");
    for (const std::string& line : answer.Lines())
        if (std::regex_match(line, button)) return true;
    return false;
}
