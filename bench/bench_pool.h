// What the benchmarks share: a pool of players as the program stores it, the
// requests a browser sends, and one request run as a web server runs it,
// timed with the cpu it used.
#pragma once

#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "users/user_record.h"

namespace bench {

inline const char kAdminEmail[] = "BOSS@POOL.TEST";
inline const char kPassword[] = "SECRET";
inline const int kGames = 16;
inline const int kPeriods = 17;

inline std::string Field(const std::string& text, size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

inline std::string UserRecordBytes(const std::string& email, const std::string& name, const std::string& status) {
    std::string record(kUserRecordLength, '\0');
    auto put = [&record](UserField field, const std::string& text) {
        record.replace(field.Offset, field.Width, Field(text, field.Width));
    };
    put(kUserEmail, email);
    put(kUserPassword, kPassword);
    put(kUserRealName, name);
    put(kUserLastAccess, "01-02-2026 03:04:05");
    put(kUserStatus, status);
    return record;
}

inline std::string Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

inline std::string PlayerName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "PLAYER %05d", n);
    return name;
}

inline std::string PlayerEmail(int n) { return n == 1 ? kAdminEmail : "P" + std::to_string(n) + "@POOL.TEST"; }

// A season of 17 periods of 16 games; players picked in the periods before
// current and in current itself, every period before it scored, the
// standings, a comment board and an activity log.
inline std::map<std::string, std::string> PoolFiles(int players, int current) {
    std::mt19937 random(static_cast<unsigned>(players));
    auto choices = [&] {
        std::string picks;
        for (int g = 0; g < kGames; ++g) picks += static_cast<char>('0' + random() % 2);
        return picks;
    };
    std::map<std::string, std::string> files;
    std::vector<std::string> games;
    for (int week = 1; week <= kPeriods; ++week) {
        games.push_back("WEEK" + std::to_string(week));
        for (int g = 1; g <= kGames; ++g) games.push_back("Home" + std::to_string(g) + " at Away" + std::to_string(g));
    }
    files["zrp.cfg"] = Lines(games);
    files["ZRPweek.dat"] = Lines({std::to_string(current), "1", std::to_string(kPeriods)});
    files["ZRP__LockDateTime.txt"] = Lines({"12", "31", "2099", "23", "59"});
    std::string users, overall;
    for (int n = 1; n <= players; ++n) {
        users += UserRecordBytes(PlayerEmail(n), PlayerName(n), n == 1 ? "ADMINISTRATOR" : "USER");
        overall += Lines({PlayerName(n), std::to_string(random() % 17), " "});
    }
    files["ZRPform_user.dat"] = users;
    files["ZRPOverAllWinners.dat"] = overall;
    for (int week = std::max(1, current - 1); week <= current; ++week) {
        std::string picks, winners;
        for (int n = 1; n <= players; ++n) {
            picks += Lines({PlayerName(n), choices(), std::to_string(20 + random() % 30)});
            winners += Lines({PlayerName(n), std::to_string(random() % 17), std::to_string(random() % 17)});
        }
        files["ZRPpicks" + std::to_string(week) + "_.dat"] = picks;
        if (week < current) {
            files["ZRPpicks" + std::to_string(week) + "W_.dat"] = Lines({choices(), "35"});
            files["ZRPwinners" + std::to_string(week) + "_.dat"] = winners;
        }
    }
    std::vector<std::string> comments;
    for (int c = 0; c < 400; ++c)
        comments.insert(comments.end(), {PlayerName(c + 1) + " (01-02-2026 03:04:05) : a comment of the office", "",
                                         ""});
    files["ZRP__comments.txt"] = Lines(comments);
    std::string log;
    for (int a = 0; a < 2000; ++a) log += Field("01-02-2026 03:04:05 " + PlayerEmail(a + 2) + " LOGIN", 118) + "\r\n";
    files["zrp.log"] = log;
    return files;
}

inline std::string Scrambled(const std::string& value) {
    std::string digits;
    for (unsigned char c : value) digits += std::to_string(c) + ",";
    for (char& c : digits) c = static_cast<char>(c + 1);
    return "*B*" + digits;
}

inline std::string UrlEncoded(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '*' || c == '-' || c == '.' || c == '_') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

using Fields = std::vector<std::pair<std::string, std::string>>;

inline std::string FormBody(const Fields& fields) {
    std::string body;
    for (const auto& [name, value] : fields) body += (body.empty() ? "" : "&") + name + "=" + UrlEncoded(value);
    return body;
}

// A logged-in player's request: the action and the scrambled login fields.
inline std::string ActBody(const std::string& action, const std::string& email, const Fields& extra = {}) {
    Fields fields = {{"ACTION", action}, {"XAI", Scrambled(email)}, {"IAX", Scrambled(kPassword)}};
    fields.insert(fields.end(), extra.begin(), extra.end());
    return FormBody(fields);
}

// The pages a benchmark asks for, as a browser sends them.
struct Page {
    std::string Label, Method, Body;
};

// The last player asks: every lookup runs through the whole user file.
inline std::vector<Page> Pages(int players) {
    std::string me = PlayerEmail(players);
    std::string picks;
    for (int g = 0; g < kGames; ++g) picks += g % 2 ? '1' : '0';
    return {
        {"login screen", "GET", ""},
        {"LOGIN", "POST", FormBody({{"ACTION", "LOGIN"}, {"NNAME", me}, {"PASS", kPassword}})},
        {"THISWEEK", "POST", ActBody("THISWEEK", me)},
        {"VIEWUSERPICKS", "POST", ActBody("VIEWUSERPICKS", me)},
        {"USERPICS2", "POST",
         ActBody("USERPICS2", me, {{"UWP", picks}, {"TIEBREAKER", "35"}, {"LINENUMBER", std::to_string(kGames)}})},
        {"SCOREBOARD", "POST", ActBody("SCOREBOARD", me)},
        {"LASTWEEK", "POST", ActBody("LASTWEEK", me)},
        {"VIEWPLAYERS", "POST", ActBody("VIEWPLAYERS", me)},
        {"POSTCOMMENTS", "POST", ActBody("POSTCOMMENTS", me)},
        {"VIEWCOMMENTS", "POST", ActBody("VIEWCOMMENTS", me)},
        {"ACTIVITYLOG", "POST", ActBody("ACTIVITYLOG", kAdminEmail)},
        {"VIEWUSERS", "POST", ActBody("VIEWUSERS", kAdminEmail)},
    };
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void RemoveFolder(const std::string& folder) {
    std::string command = "rm -rf '" + folder + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "cannot remove %s\n", folder.c_str());
}

// The program measured: the build's own, or another one named by
// ZRP_BENCH_PROGRAM (an earlier build, to compare).
inline std::string Program() {
    const char* other = std::getenv("ZRP_BENCH_PROGRAM");
    return other && *other ? other : ZRP_PROGRAM;
}

// Copies a program into place as an installation does (with cp): how the
// file came to be decides how the system keeps its pages, and with them the
// cost of starting it (a file the linker has just written starts slower).
inline void InstallProgram(const std::string& from, const std::string& to) {
    std::string command = "cp '" + from + "' '" + to + "' && chmod 755 '" + to + "'";
    if (std::system(command.c_str()) != 0) std::exit(1);
}

// A fresh pool folder of players, with the program installed as zrp.exe. The
// files are made in a child process, so that the benchmark itself stays small:
// a program it starts inherits its peak memory.
inline std::string MakePool(int players, int current) {
    char pattern[] = "/tmp/zrp-bench-XXXXXX";
    if (!mkdtemp(pattern)) std::exit(1);
    std::string folder = pattern;
    pid_t child = fork();
    if (child == 0) {
        for (const auto& [name, bytes] : PoolFiles(players, current)) WriteFile(folder + "/" + name, bytes);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (status != 0) std::exit(1);
    InstallProgram(Program(), folder + "/zrp.exe");
    return folder;
}

struct Timing {
    double Wall = 0, Cpu = 0;  // seconds
    long PeakKiB = 0;
    std::string Answer;        // what the program wrote
};

// What a web server puts in the program's environment for one request.
inline std::vector<std::string> CgiEnvironment(const std::string& method, size_t bodyLength) {
    std::vector<std::string> env = {"SCRIPT_NAME=/cgi-bin/zrp.exe", "SERVER_NAME=pool.test", "SERVER_PORT=80",
                                    "REQUEST_METHOD=" + method, "REMOTE_ADDR=127.0.0.1", "QUERY_STRING="};
    if (method == "POST") {
        env.push_back("CONTENT_TYPE=application/x-www-form-urlencoded");
        env.push_back("CONTENT_LENGTH=" + std::to_string(bodyLength));
    }
    return env;
}

// Runs program (argv[0] and argv[1]) as a CGI process with body on standard
// input and its answer in a file, as a web server runs it.
inline Timing RunCgi(const std::vector<std::string>& argv, const std::string& body, const std::string& method = "POST") {
    std::string input = "/tmp/zrp-bench-request", output = "/tmp/zrp-bench-answer";
    static int serial = 0;
    input += std::to_string(getpid()) + "-" + std::to_string(++serial);
    output += std::to_string(getpid()) + "-" + std::to_string(serial);
    WriteFile(input, body);
    std::vector<std::string> env = CgiEnvironment(method, body.size());
    std::vector<char*> envp, args;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argvCopy = argv;
    for (std::string& a : argvCopy) args.push_back(a.data());
    args.push_back(nullptr);

    // A child starts with the pages of the benchmark it was forked from; what
    // the benchmark freed is given back first, so its peak is the program's.
    malloc_trim(0);
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        int in = open(input.c_str(), O_RDONLY), out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    wait4(child, &status, 0, &usage);
    Timing t;
    t.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    t.Cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    t.PeakKiB = usage.ru_maxrss;
    t.Answer = ReadFile(output);
    unlink(input.c_str());
    unlink(output.c_str());
    return t;
}

// A pool as it stands in use, after the requests it has answered (its images,
// help pages and copy of the fields written): its folders left unchanged for
// over a second, so that a run answers from the folder listings the one before kept.
inline void SettlePool(const std::string& folder) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    RunCgi({folder + "/zrp.exe"}, "", "GET");
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

inline bool IsErrorPage(const std::string& answer) {
    return answer.find("<TITLE>Internal Error</TITLE>") != std::string::npos || answer.empty();
}

}  // namespace bench
