#include "support/admin_pool.h"

#include <algorithm>
#include <sstream>

#include "core/text.h"
#include "users/user_file.h"

std::vector<std::string> AdminPool::Users() const {
    std::string bytes = Read("ZRPform_user.dat");
    std::vector<std::string> users;
    for (size_t at = 0; at + kUserRecordLength <= bytes.size(); at += kUserRecordLength) {
        UserRecord u = DecodeUserRecord(bytes, at);
        users.push_back(TrimBlanks(u.UserEmail) + "/" + TrimBlanks(u.UserStatus));
    }
    return users;
}

void AdminPool::WriteUsers(const std::vector<std::string>& users) const {
    std::string bytes;
    for (const std::string& text : users) {
        std::string f[4];
        std::stringstream in(text);
        for (std::string& part : f) std::getline(in, part, '/');
        bytes += EncodeUserRecord({f[0], f[2], f[1], "01-02-2026 03:04:05", f[3]});
    }
    Write("ZRPform_user.dat", bytes);
}

std::vector<std::string> TextAreaLines(const CgiAnswer& answer) {
    std::vector<std::string> lines = answer.Lines();
    auto open = std::find_if(lines.begin(), lines.end(),
                             [](const std::string& l) { return StartsWith(l, "<textarea name=\"COMMENTFIELD\""); });
    if (open == lines.end()) return {};
    return {open + 1, std::find(open + 1, lines.end(), "</textarea>")};
}
