#include "support/cgi_pool.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <stdexcept>

static std::string UrlEncode(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char hex[4];
        snprintf(hex, sizeof hex, "%%%02X", c);
        out += isalnum(c) ? std::string(1, static_cast<char>(c)) : std::string(hex);
    }
    return out;
}

// Percent-encodes fields as a browser posts them.
static std::string FormBody(const Fields& fields) {
    std::string body;
    for (const auto& [n, v] : fields) body += (body.empty() ? "" : "&") + UrlEncode(n) + "=" + UrlEncode(v);
    return body;
}

std::string Scrambled(const std::string& value) {
    std::string out = "*B*";
    for (unsigned char c : value)
        for (char digit : std::to_string(c) + ",") out += static_cast<char>(digit + 1);
    return out;
}

std::string ReadOrEmpty(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < bytes.size(); start = end + 2) {
        end = std::min(bytes.find("\r\n", start), bytes.size());
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

std::vector<std::string> CgiAnswer::Between(const std::string& first, const std::string& last) const {
    auto lines = Lines();
    auto begin = std::find(lines.begin(), lines.end(), first);
    auto end = begin == lines.end() ? begin : std::find(begin + 1, lines.end(), last);
    return end == lines.end() ? std::vector<std::string>{} : std::vector<std::string>(begin, end + 1);
}

std::string CgiAnswer::Hidden(const std::string& name) const {
    std::regex field("<INPUT TYPE=\"HIDDEN\" NAME=\"" + name + "\" Value=\"(.*)\">");
    std::smatch match;
    for (const std::string& line : Lines())
        if (std::regex_match(line, match, field)) return match[1];
    return "";
}

Pool::Pool(const std::string& programName) : programName_(programName) {
    char pattern[] = "/tmp/zrp-test-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp");
    folder_ = pattern;
    std::filesystem::create_directories(std::filesystem::path(PathOf(programName_)).parent_path());
    std::filesystem::create_symlink(ZRP_PROGRAM, PathOf(programName_));
}

Pool::~Pool() {
    std::error_code ignored;
    for (const auto& path : {folder_, folder_ + ".in", folder_ + ".err", folder_ + ".out"})
        std::filesystem::remove_all(path, ignored);
}

std::vector<std::string> Pool::Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        if (entry.is_regular_file())
            names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::map<std::string, std::string> Pool::DataFiles() const {
    std::map<std::string, std::string> files;
    for (const std::string& name : Files())
        if (!name.ends_with(".log") && !name.ends_with(".gif") && name != programName_ &&
            !name.ends_with(kUserFieldsEnd))
            files[name] = Read(name);
    return files;
}

// A word the shell takes as it is.
static std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// The program reads its body from a file and writes its page to a pipe, as
// behind a web server; standard error goes to a file beside the folder.
CgiAnswer Pool::Run(std::map<std::string, std::string> env, const std::string& body) const {
    env.insert({{"SCRIPT_NAME", "/cgi-bin/" + programName_}, {"SERVER_NAME", "pool.test"}, {"SERVER_PORT", "80"},
                {"REMOTE_ADDR", "10.1.2.3"}, {"GATEWAY_INTERFACE", "CGI/1.1"}, {"SERVER_PROTOCOL", "HTTP/1.1"}});
    for (const auto& [k, v] : Env) env[k] = v;
    std::string in = folder_ + ".in", err = folder_ + ".err", outFile = folder_ + ".out";
    std::ofstream(in, std::ios::binary) << body;
    std::string command = "cd " + Quoted(folder_) + " && " + (ShellSetup.empty() ? "" : ShellSetup + " && ") + "exec env -i";
    for (const auto& [k, v] : env) command += v.empty() ? "" : " " + Quoted(k + "=" + v);
    command += (Launcher.empty() ? "" : " " + Launcher) + " ./" + Quoted(programName_);
    command += " <" + Quoted(in) + " 2>" + Quoted(err);
    if (OutputToFile) command += " >" + Quoted(outFile);
    FILE* out = popen(command.c_str(), "r");
    if (!out) throw std::runtime_error("popen");
    CgiAnswer answer;
    char buf[65536];
    for (size_t n; (n = fread(buf, 1, sizeof buf, out)) > 0;) answer.Bytes.append(buf, n);
    int status = pclose(out);
    answer.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    answer.Errors = ReadOrEmpty(err);
    if (OutputToFile) answer.Bytes = ReadOrEmpty(outFile);
    return answer;
}

CgiAnswer Pool::Post(const Fields& fields, const std::string& query) const {
    std::string body = FormBody(fields);
    return Run({{"REQUEST_METHOD", "POST"}, {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
                {"CONTENT_LENGTH", std::to_string(body.size())}, {"QUERY_STRING", query}},
               body);
}

CgiAnswer Pool::Act(const std::string& action, const std::string& email, const std::string& password,
                    const Fields& extra) const {
    Fields fields = {{"ACTION", action}, {"XAI", Scrambled(email)}, {"IAX", Scrambled(password)}};
    fields.insert(fields.end(), extra.begin(), extra.end());
    return Post(fields);
}
