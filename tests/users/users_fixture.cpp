#include "users/users_fixture.h"

#include <algorithm>

std::string UserBytes(const std::string& email, const std::string& password, const std::string& realName,
                      const std::string& status, const std::string& lastAccess) {
    auto field = [](std::string text, size_t width) {
        text.resize(width, ' ');
        return text;
    };
    std::string bytes =
        field(email, 40) + field(password, 40) + field(realName, 60) + field(lastAccess, 35) + field(status, 20);
    bytes.resize(1695, '\0');
    return bytes;
}

SeasonPool::SeasonPool() {
    pool.Write("zrp.cfg", "WEEK1\r\nAlpha at Beta\r\nGamma at Delta\r\nWEEK2\r\nAlpha at Gamma\r\nBeta at Delta\r\n");
    pool.Write("ZRPform_user.dat", UserBytes("BOSS@X.COM", "BOSSPW", "BIG BOSS", "ADMINISTRATOR") +
                                       UserBytes("ONE@X.COM", "PW1", "PLAYER ONE", "USER"));
}

static std::string Masked(const std::string& line) {
    for (const char* decoy : {"<INPUT TYPE=\"HIDDEN\" NAME=\"AIX\"", "<INPUT TYPE=\"HIDDEN\" NAME=\"AAX\""})
        if (line.rfind(decoy, 0) == 0) return std::string(decoy) + " Value=\"?\">";
    const std::string image = "<INPUT TYPE=\"image\" SRC=\"";
    if (line.rfind(image, 0) == 0) {
        size_t end = line.find('"', image.size());
        size_t slash = line.rfind('/', end);
        size_t from = slash == std::string::npos || slash < image.size() ? image.size() : slash + 1;
        return image + line.substr(from);
    }
    return line;
}

std::vector<std::string> Content(const CgiAnswer& answer) {
    std::vector<std::string> lines = answer.Lines();
    auto begin = std::find(lines.begin(), lines.end(), "</map>");
    if (begin == lines.end()) return {};
    auto end = std::find(begin, lines.end(), "<hr align=\"center\" width=\"200\">");
    std::vector<std::string> content;
    for (auto it = begin + 1; it != end; ++it) content.push_back(Masked(*it));
    return content;
}

std::string HiddenLine(const std::string& name, const std::string& value) {
    return "<INPUT TYPE=\"HIDDEN\" NAME=\"" + name + "\" Value=\"" + value + "\">";
}

std::vector<std::string> Credentials(const std::string& email, const std::string& password) {
    return {HiddenLine("AIX", "?"), HiddenLine("AAX", "?"), HiddenLine("XAI", Scrambled(email)),
            HiddenLine("IAX", Scrambled(password))};
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}
