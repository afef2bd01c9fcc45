#include "support/cgi_pool.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::string UrlEncode(const std::string& text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (isalnum(c) || c == '-' || c == '_' || c == '.' || c == '*' || c == '@') {
            out += static_cast<char>(c);
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string FormBody(const Fields& fields) {
    std::string body;
    for (const auto& [name, value] : fields) {
        if (!body.empty()) body += '&';
        body += UrlEncode(name) + "=" + UrlEncode(value);
    }
    return body;
}

std::string Scrambled(const std::string& value) {
    std::string digits;
    for (unsigned char c : value) digits += std::to_string(c) + ",";
    for (char& c : digits) c = static_cast<char>(c + 1);
    return "*B*" + digits;
}

std::vector<std::string> CgiAnswer::Lines() const {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < Bytes.size()) {
        size_t end = Bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(Bytes.substr(start));
            break;
        }
        lines.push_back(Bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool CgiAnswer::HasLine(const std::string& line) const { return Count(line) > 0; }

size_t CgiAnswer::Count(const std::string& line) const {
    auto lines = Lines();
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

std::vector<std::string> CgiAnswer::Between(const std::string& first, const std::string& last) const {
    auto lines = Lines();
    auto begin = std::find(lines.begin(), lines.end(), first);
    if (begin == lines.end()) return {};
    auto end = std::find(begin + 1, lines.end(), last);
    if (end == lines.end()) return {};
    return std::vector<std::string>(begin, end + 1);
}

std::string CgiAnswer::Hidden(const std::string& name) const {
    std::string prefix = "<INPUT TYPE=\"HIDDEN\" NAME=\"" + name + "\" Value=\"";
    for (const std::string& line : Lines())
        if (line.rfind(prefix, 0) == 0 && line.size() >= prefix.size() + 2)
            return line.substr(prefix.size(), line.size() - prefix.size() - 2);
    return "";
}

static std::string ReadAll(int fd) {
    std::string out;
    char buf[65536];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
    return out;
}

Pool::Pool(const std::string& programName) : programName_(programName) {
    char pattern[] = "/tmp/zrp-test-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp");
    folder_ = pattern;
    if (symlink(ZRP_PROGRAM, PathOf(programName_).c_str()) != 0) throw std::runtime_error("symlink");
}

Pool::~Pool() {
    std::string command = "rm -rf '" + folder_ + "'";
    if (system(command.c_str()) != 0) {
    }
}

void Pool::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
}

std::string Pool::Read(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool Pool::Exists(const std::string& name) const {
    struct stat st;
    return stat(PathOf(name).c_str(), &st) == 0;
}

void Pool::Remove(const std::string& name) const { unlink(PathOf(name).c_str()); }

std::vector<std::string> Pool::Files() const {
    std::vector<std::string> names;
    DIR* dir = opendir(folder_.c_str());
    while (dirent* entry = dir ? readdir(dir) : nullptr) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    if (dir) closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

CgiAnswer Pool::Run(const std::map<std::string, std::string>& requestEnv, const std::string& body) const {
    std::map<std::string, std::string> env = {
        {"SCRIPT_NAME", "/cgi-bin/" + programName_}, {"SERVER_NAME", "pool.test"}, {"SERVER_PORT", "80"},
        {"REMOTE_ADDR", "10.1.2.3"},  {"GATEWAY_INTERFACE", "CGI/1.1"},   {"SERVER_PROTOCOL", "HTTP/1.1"},
    };
    for (const auto& [k, v] : requestEnv) env[k] = v;
    for (const auto& [k, v] : Env) env[k] = v;

    int in[2], err[2], out[2] = {-1, -1};
    if (pipe(in) || pipe(err)) throw std::runtime_error("pipe");
    std::string outFile = folder_ + ".stdout";
    int outFd;
    if (Stdout == StdoutKind::Pipe) {
        if (pipe(out)) throw std::runtime_error("pipe");
        outFd = out[1];
    } else {
        outFd = open(outFile.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        if (write(outFd, StdoutPrefill.data(), StdoutPrefill.size()) < 0) throw std::runtime_error("prefill");
        lseek(outFd, static_cast<off_t>(StdoutPrefill.size()), SEEK_SET);
    }
    pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(outFd, 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], err[0], err[1], out[0], out[1], outFd})
            if (fd > 2) close(fd);
        if (chdir(folder_.c_str()) != 0) _exit(126);
        clearenv();
        for (const auto& [k, v] : env)
            if (!v.empty()) setenv(k.c_str(), v.c_str(), 1);
        std::string program = PathOf(programName_);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(err[1]);
    if (Stdout == StdoutKind::Pipe) close(out[1]);
    // Bodies here are small; write then close so the program sees the end.
    if (!body.empty() && write(in[1], body.data(), body.size()) < 0) {
    }
    close(in[1]);
    CgiAnswer answer;
    if (Stdout == StdoutKind::Pipe) {
        answer.Bytes = ReadAll(out[0]);
        close(out[0]);
    }
    answer.Errors = ReadAll(err[0]);
    close(err[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    answer.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (Stdout == StdoutKind::File) {
        close(outFd);
        std::ifstream f(outFile, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        answer.Bytes = ss.str();
        unlink(outFile.c_str());
    }
    return answer;
}

CgiAnswer Pool::Get(const std::string& query) const {
    return Run({{"REQUEST_METHOD", "GET"}, {"QUERY_STRING", query}}, "");
}

CgiAnswer Pool::PostRaw(const std::string& body, const std::string& query) const {
    return Run({{"REQUEST_METHOD", "POST"},
                {"CONTENT_TYPE", "application/x-www-form-urlencoded"},
                {"CONTENT_LENGTH", std::to_string(body.size())},
                {"QUERY_STRING", query}},
               body);
}

CgiAnswer Pool::Post(const Fields& fields, const std::string& query) const { return PostRaw(FormBody(fields), query); }

CgiAnswer Pool::Login(const std::string& email, const std::string& password) const {
    return Post({{"ACTION", "LOGIN"}, {"NNAME", email}, {"PASS", password}});
}

CgiAnswer Pool::Act(const std::string& action, const std::string& email, const std::string& password,
                    const Fields& extra) const {
    Fields fields = {{"ACTION", action}, {"XAI", Scrambled(email)}, {"IAX", Scrambled(password)}};
    fields.insert(fields.end(), extra.begin(), extra.end());
    return Post(fields);
}

CgiAnswer Pool::Join(const std::string& email, const std::string& password, const std::string& name) const {
    Login(email, password);
    return Act("LOGINAPPROVE", email, password, {{"USERREALNAME", name}});
}
