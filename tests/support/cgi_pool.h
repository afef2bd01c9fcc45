// Runs the built program as a web server would: in a fresh temporary pool
// folder, with a CGI environment and a form body, capturing its answer.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

inline constexpr char kUserFieldsEnd[] = "__UserFields.dat";

using Fields = std::vector<std::pair<std::string, std::string>>;
using Lines = std::vector<std::string>;

inline const std::string kBoss = "boss@pool.test", kAnn = "ann@pool.test", kBob = "bob@pool.test";

inline const std::string kFace = "\"Verdana, Arial, Helvetica, sans-serif\"";

// The red line a page shows to say why a request was not carried out.
inline std::string Notice(const std::string& text) {
    return "<div align=\"center\"><font face=" + kFace + " size=\"2\" color=\"#FF0000\"><b>" + text +
           "</b></font></div>";
}
// The blue line a page shows to say that there is nothing to list.
inline std::string BlueNotice(const std::string& text) {
    return "<div align=\"center\"><font face=" + kFace + " color=\"#0000FF\"><b>" + text + "</b></font></div>";
}
// An entry of the administrator's menu.
inline std::string MenuEntry(const std::string& action, const std::string& label) {
    return R"(<input type="radio" name="ACTION" value=")" + action + "\"><b>" + label + "</b><br>";
}
inline std::string HiddenLine(const std::string& name, const std::string& value) {
    return "<INPUT TYPE=\"HIDDEN\" NAME=\"" + name + "\" Value=\"" + value + "\">";
}

// The scrambled form of a value, as the hidden fields carry it.
std::string Scrambled(const std::string& value);
std::string ReadOrEmpty(const std::string& path);
std::vector<std::string> CrLfLines(const std::string& bytes);

struct CgiAnswer {
    std::string Bytes;   // everything written to standard output
    std::string Errors;  // standard error (must stay empty)
    int ExitStatus = -1;
    std::vector<std::string> Lines() const { return CrLfLines(Bytes); }
    bool HasLine(const std::string& line) const { return Count(line) > 0; }
    size_t Count(const std::string& line) const { return std::ranges::count(Lines(), line); }
    // The lines from the first equal to first up to and including the first
    // equal to last after it (empty when not found).
    std::vector<std::string> Between(const std::string& first, const std::string& last) const;
    // The value of the first hidden field of that name ("" when none).
    std::string Hidden(const std::string& name) const;
    bool IsErrorPage() const { return HasLine("<H1>Error in /cgi-bin/zrp.exe</H1>"); }
};

class Pool {
public:
    explicit Pool(const std::string& programName = "zrp.exe");
    ~Pool();

    std::string PathOf(const std::string& name) const { return folder_ + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const { return ReadOrEmpty(PathOf(name)); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(PathOf(name)); }
    // The names of the files in the pool folder (not its folders), sorted.
    std::vector<std::string> Files() const;
    // Every file with its bytes but the program, its images and the logs, which every request writes, and
    // the copy of the fields of the user file, which any walk may make anew.
    std::map<std::string, std::string> DataFiles() const;

    // Environment overrides for every later request (empty value unsets).
    std::map<std::string, std::string> Env;
    // Shell commands run before the program (a file size limit: "ulimit -f 4").
    std::string ShellSetup;
    // Standard output a file rather than a pipe (as some servers start CGI programs).
    bool OutputToFile = false;
    // A command that starts the program in its place (such as another user's), or "".
    std::string Launcher;

    CgiAnswer Get(const std::string& query = "") const {
        return Run({{"REQUEST_METHOD", "GET"}, {"QUERY_STRING", query}}, "");
    }
    CgiAnswer Post(const Fields& fields, const std::string& query = "") const;
    CgiAnswer Run(std::map<std::string, std::string> env, const std::string& body) const;

    // Logs in as a player through the login screen ("LOGIN" with NNAME and PASS).
    CgiAnswer Login(const std::string& email, const std::string& password) const {
        return Post({{"ACTION", "LOGIN"}, {"NNAME", email}, {"PASS", password}});
    }
    // A request of a logged-in player: ACTION, the scrambled XAI/IAX and the extra fields.
    CgiAnswer Act(const std::string& action, const std::string& email, const std::string& password,
                  const Fields& extra = {}) const;
    // Joins the pool as a new player with a real name ("LOGIN", then
    // "LOGINAPPROVE"); the very first one becomes the administrator.
    CgiAnswer Join(const std::string& email, const std::string& password, const std::string& name) const {
        Login(email, password);
        return Act("LOGINAPPROVE", email, password, {{"USERREALNAME", name}});
    }

private:
    std::string folder_;
    std::string programName_;
};
