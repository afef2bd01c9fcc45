// Runs the built program as a web server would: in a fresh temporary pool
// folder, with a CGI environment and a form body, capturing its answer.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

using Fields = std::vector<std::pair<std::string, std::string>>;

// Percent-encodes fields as a browser posts them.
std::string FormBody(const Fields& fields);
std::string UrlEncode(const std::string& text);

struct CgiAnswer {
    std::string Bytes;    // everything written to standard output
    std::string Errors;   // standard error (must stay empty)
    int ExitStatus = -1;
    std::vector<std::string> Lines() const;  // split on CR LF
    bool HasLine(const std::string& line) const;
    // The lines from the first equal to first up to and including the first
    // equal to last after it (empty when not found).
    std::vector<std::string> Between(const std::string& first, const std::string& last) const;
    // The value of the first hidden field of that name ("" when none).
    std::string Hidden(const std::string& name) const;
    size_t Count(const std::string& line) const;
};

enum class StdoutKind { Pipe, File };

class Pool {
public:
    explicit Pool(const std::string& programName = "zrp.exe");
    ~Pool();
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;

    const std::string& Folder() const { return folder_; }
    std::string PathOf(const std::string& name) const { return folder_ + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    void Remove(const std::string& name) const;
    // The names of the files in the pool folder, sorted.
    std::vector<std::string> Files() const;

    // Environment overrides for every later request (empty value unsets).
    std::map<std::string, std::string> Env;
    StdoutKind Stdout = StdoutKind::Pipe;
    // Bytes already in the output file before the run (StdoutKind::File).
    std::string StdoutPrefill;

    CgiAnswer Get(const std::string& query = "") const;
    CgiAnswer Post(const Fields& fields, const std::string& query = "") const;
    CgiAnswer PostRaw(const std::string& body, const std::string& query = "") const;
    CgiAnswer Run(const std::map<std::string, std::string>& env, const std::string& body) const;

    // Logs in as a player through the login screen ("LOGIN" with NNAME and
    // PASS); returns the answer.
    CgiAnswer Login(const std::string& email, const std::string& password) const;
    // A request of a logged-in player: ACTION, the scrambled XAI/IAX and
    // the extra fields.
    CgiAnswer Act(const std::string& action, const std::string& email, const std::string& password,
                  const Fields& extra = {}) const;
    // Joins the pool as a new player with a real name ("LOGIN", then
    // "LOGINAPPROVE"); the very first one becomes the administrator.
    CgiAnswer Join(const std::string& email, const std::string& password, const std::string& name) const;

private:
    std::string folder_;
    std::string programName_;
};

// The scrambled form of a value, as the hidden fields carry it.
std::string Scrambled(const std::string& value);
