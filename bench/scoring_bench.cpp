// Times the scoring run ("ENTERWINNERSFINAL") as the web server starts it, on
// pools of 1,000 and 10,000 players with picks for a 16-game period and an
// overall standings file from an earlier period. Prints the median wall time.
// Built with -DZRP_BENCH=ON; run build/scoring_bench [runs].

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kAdminEmail[] = "BOSS@POOL.TEST";
const char kAdminPassword[] = "SECRET";
const int kGames = 16;

std::string Field(const std::string& text, size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

std::string UserRecordBytes(const std::string& email, const std::string& name, const std::string& status) {
    std::string record = Field(email, 40) + Field(kAdminPassword, 40) + Field(name, 60) +
                         Field("01-02-2026 03:04:05", 35) + Field(status, 20);
    record.resize(1695, '\0');
    return record;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

std::string PlayerName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "PLAYER %05d", n);
    return name;
}

// The pool's files: name and bytes.
std::map<std::string, std::string> PoolFiles(int players) {
    std::mt19937 random(static_cast<unsigned>(players));
    std::map<std::string, std::string> files;
    std::vector<std::string> games;
    for (int week = 1; week <= 2; ++week) {
        games.push_back("WEEK" + std::to_string(week));
        for (int g = 1; g <= kGames; ++g) games.push_back("Home" + std::to_string(g) + " at Away" + std::to_string(g));
    }
    files["zrp.cfg"] = Lines(games);
    files["ZRPweek.dat"] = Lines({"1", "1", "2"});
    std::string users, picks, overall;
    for (int n = 1; n <= players; ++n) {
        bool admin = n == 1;
        std::string email = admin ? kAdminEmail : "P" + std::to_string(n) + "@POOL.TEST";
        users += UserRecordBytes(email, PlayerName(n), admin ? "ADMINISTRATOR" : "USER");
        std::string choices;
        for (int g = 0; g < kGames; ++g) choices += static_cast<char>('0' + random() % 2);
        picks += Lines({PlayerName(n), choices, std::to_string(20 + random() % 30)});
        overall += Lines({PlayerName(n), std::to_string(random() % 17), " "});
    }
    files["ZRPform_user.dat"] = users;
    files["ZRPpicks1_.dat"] = picks;
    files["ZRPOverAllWinners.dat"] = overall;
    return files;
}

std::string Scrambled(const std::string& value) {
    std::string digits;
    for (unsigned char c : value) digits += std::to_string(c) + ",";
    for (char& c : digits) c = static_cast<char>(c + 1);
    return "*B*" + digits;
}

std::string UrlEncoded(const std::string& text) {
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

std::string RequestBody() {
    std::string winning;
    for (int g = 0; g < kGames; ++g) winning += (g % 3 == 0) ? '1' : '0';
    std::vector<std::pair<std::string, std::string>> fields = {
        {"ACTION", "ENTERWINNERSFINAL"}, {"XAI", Scrambled(kAdminEmail)}, {"IAX", Scrambled(kAdminPassword)},
        {"UWP", winning},                {"TIEBREAKER", "35"},             {"LINENUMBER", std::to_string(kGames)}};
    std::string body;
    for (const auto& [name, value] : fields) body += (body.empty() ? "" : "&") + name + "=" + UrlEncoded(value);
    return body;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void RemoveFolder(const std::string& folder) {
    std::string command = "rm -rf '" + folder + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "cannot remove %s\n", folder.c_str());
}

// One request in a fresh pool folder; the wall time in seconds.
double TimedRequest(const std::map<std::string, std::string>& files, const std::string& body) {
    char pattern[] = "/tmp/zrp-bench-XXXXXX";
    if (!mkdtemp(pattern)) std::exit(1);
    std::string folder = pattern;
    for (const auto& [name, bytes] : files) WriteFile(folder + "/" + name, bytes);
    std::string program = folder + "/zrp.exe";
    if (symlink(ZRP_PROGRAM, program.c_str()) != 0) std::exit(1);
    std::string input = folder + ".in", output = folder + ".out";
    WriteFile(input, body);

    std::vector<std::string> env = {"SCRIPT_NAME=/cgi-bin/zrp.exe", "SERVER_NAME=pool.test", "SERVER_PORT=80",
                                    "REQUEST_METHOD=POST", "CONTENT_TYPE=application/x-www-form-urlencoded",
                                    "CONTENT_LENGTH=" + std::to_string(body.size()), "REMOTE_ADDR=127.0.0.1"};
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        int in = open(input.c_str(), O_RDONLY), out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        char* argv[] = {program.data(), nullptr};
        execve(program.c_str(), argv, envp.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (ReadFile(folder + "/ZRPweek.dat") != Lines({"2", "1", "2"}) || ReadFile(folder + "/ZRPwinners1_.dat").empty()) {
        std::fprintf(stderr, "the run did not score the period; its answer began:\n%.600s\n",
                     ReadFile(output).c_str());
        std::exit(1);
    }
    RemoveFolder(folder);
    unlink(input.c_str());
    unlink(output.c_str());
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string body = RequestBody();
    for (int players : {1000, 10000}) {
        std::map<std::string, std::string> files = PoolFiles(players);
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) times.push_back(TimedRequest(files, body));
        std::sort(times.begin(), times.end());
        std::printf("%6d players: median %.4f s (fastest %.4f s, slowest %.4f s, %d runs)\n", players,
                    times[times.size() / 2], times.front(), times.back(), runs);
    }
    return 0;
}
