#include "core/paths.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <climits>
#include <string>
#include <vector>

#include "core/failure.h"
#include "core/files.h"
#include "core/run.h"
#include "core/text.h"

std::string FolderOf(const std::string& path) {
    std::string p = Trimm(path);
    if (p.empty() || p == "\\" || p == "/") return p;
    size_t sep = p.find_last_of("/\\");
    if (sep == std::string::npos) return "";
    return p.substr(0, sep + 1);
}

std::string ScriptFileNameOf(const std::string& scriptName) {
    size_t sep = scriptName.find_last_of("/\\");
    if (sep == std::string::npos) return scriptName;
    return Trimm(scriptName.substr(sep + 1));
}

// The folder of the running program: argv[0] made absolute without
// resolving links (so a link installs a second pool), else /proc/self/exe.
static std::string ProgramFolder() {
    std::string file = R().ProgramFile;
    if (file.find('/') == std::string::npos) {
        char buf[PATH_MAX];
        ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
        if (n < 0) FailFromErrno(errno, true);
        file.assign(buf, static_cast<size_t>(n));
    } else if (file[0] != '/') {
        char cwd[PATH_MAX];
        if (!getcwd(cwd, sizeof cwd)) FailFromErrno(errno, true);
        file = std::string(cwd) + "/" + file;
    }
    // "./zrp.cgi" names the same folder as "zrp.cgi"; links stay unresolved.
    for (size_t dot; (dot = file.find("/./")) != std::string::npos;) file.erase(dot, 2);
    return file.substr(0, file.rfind('/'));
}

static volatile sig_atomic_t g_lockWaitOver = 0;
static void EndLockWait(int) { g_lockWaitOver = 1; }

// Blocks in flock until the lock is given or the alarm interrupts the wait:
// the kernel queues the waiters, where polling let late comers overtake.
static bool WaitForLock(int fd, int seconds) {
    struct sigaction wake {}, previous {};
    wake.sa_handler = EndLockWait;  // no SA_RESTART: the alarm ends flock
    sigemptyset(&wake.sa_mask);
    sigaction(SIGALRM, &wake, &previous);
    g_lockWaitOver = 0;
    itimerval limit{{0, 0}, {seconds, 0}}, off{};
    setitimer(ITIMER_REAL, &limit, nullptr);
    int rc, err;
    do {
        rc = flock(fd, LOCK_EX);
        err = errno;
    } while (rc != 0 && err == EINTR && !g_lockWaitOver);
    setitimer(ITIMER_REAL, &off, nullptr);
    sigaction(SIGALRM, &previous, nullptr);
    if (rc != 0 && err != EINTR) FailFromErrno(err, false);
    return rc == 0;
}

void LockDataFolder(const std::string& folder) {
    Run& r = R();
    r.CurrentRoutine = "LockDataFolder";
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) FailFromErrno(errno, false);
    r.FolderLockHandle = fd;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return;
    if (errno != EWOULDBLOCK && errno != EINTR) FailFromErrno(errno, false);
    if (!WaitForLock(fd, r.FolderLockWaitSeconds))
        throw RunFailure(kPathFileAccess, "Timed out after " + std::to_string(r.FolderLockWaitSeconds) +
                                              " seconds waiting for the data folder lock");
}

static std::string WithoutLast(const std::string& text, size_t count) {
    if (text.size() < count) Fail(kInvalidCall);
    return text.substr(0, text.size() - count);
}

// Installation values shown in an advice line cannot plant markup.
static std::string Shown(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return out;
}

// The user's name from /etc/passwd, read by hand: the program is linked
// statically, where the system's user lookup cannot be relied on.
static std::string ServerUserName() {
    std::string uid = std::to_string(geteuid());
    std::vector<std::string> lines;
    try {
        lines = ReadTextLines("/etc/passwd");
    } catch (const RunFailure&) {
        return uid;  // the advice names the number instead
    }
    for (const std::string& line : lines) {
        size_t name = line.find(':'), password = line.find(':', name + 1);
        if (name == std::string::npos || password == std::string::npos) continue;
        if (line.compare(password + 1, uid.size() + 1, uid + ":") == 0) return line.substr(0, name);
    }
    return uid;
}

// Every request writes in the pool's folder (its lock, the activity log), so a
// folder the web server's user cannot write stops the pool at once.
static void CheckDataFolderWritable(const std::string& folder) {
    if (faccessat(AT_FDCWD, folder.c_str(), R_OK | W_OK | X_OK, AT_EACCESS) == 0) return;
    std::string user = ServerUserName();
    FailWithAdvice(kPermissionDenied, "The web server's user " + user + " cannot write in the pool's folder " +
                                          Shown(folder) + ": give that folder to " + user + ", for example: chown -R " +
                                          user + " " + Shown(folder));
}

static void DeriveScriptAddress() {
    Run& r = R();
    std::string port = Trimm(CgiVar("SERVER_PORT"));
    // The address goes into every form, link and image of the pages.
    std::string address = EscapeMarkup(CgiVar("SERVER_NAME")) + EscapeMarkup(CgiVar("SCRIPT_NAME"));
    if (port == "80") r.ScriptUrl = "http://" + address;
    if (port == "443") r.ScriptUrl = "https://" + address;
    if (!r.ScriptUrl.empty()) r.ScriptFolderUrl = FolderOf(r.ScriptUrl);
}

static void DeriveWebRoot() {
    Run& r = R();
    r.WebRootFound = false;
    if (!Contains(UCase(r.ProgramPath), "APACHE")) return;
    r.WebRootFolder = FolderOf(WithoutLast(r.DataFolder, 1)) + "htdocs/";
    if (r.ScriptFolderUrl.empty())
        FailWithAdvice(kInvalidCall,
                       "The pool's folder " + Shown(r.DataFolder) + " has \"apache\" in its path, so the program "
                           "puts its images into the web root beside it, which it can address only on port 80 or "
                           "443, not on port " + Shown(Trimm(CgiVar("SERVER_PORT"))) +
                           ": serve the pool on port 80 or 443, or move it to a folder whose path does not contain "
                           "\"apache\"");
    r.WebRootUrl = FolderOf(WithoutLast(r.ScriptFolderUrl, 1));
    r.WebRootFound = true;
}

void DeriveFoldersAndAddresses() {
    Run& r = R();
    r.ScriptFileName = ScriptFileNameOf(r.ScriptName);
    r.ProgramPath = ProgramFolder() + "/" + r.ScriptFileName;
    if (r.ScriptFileName.size() < 4)
        FailWithAdvice(kInvalidCall, "The web server calls the program as \"" + Shown(r.ScriptName) +
                                         "\", an address that does not end in the program's file name with its "
                                         "four-character extension (such as zrp.cgi): set the server to pass the "
                                         "program's own address as SCRIPT_NAME");
    std::string stem = WithoutLast(r.ScriptFileName, 4);
    r.GameDataFileName = stem + ".cfg";
    r.DataFilePrefix = UCase(TrimBlanks(stem));
    r.DataFolder = FolderOf(r.ProgramPath);
    CheckDataFolderWritable(r.DataFolder);
    LockDataFolder(r.DataFolder);
    r.ActivityLogPath = r.DataFolder + WithoutLast(r.GameDataFileName, 3) + "log";
    DeriveScriptAddress();
    DeriveWebRoot();
}

std::string DataPath(std::string_view namePart) { return R().DataFolder + R().DataFilePrefix + std::string(namePart); }
std::string UserFilePath() { return DataPath("form_user.dat"); }
std::string ErrorLogPath() { return DataPath("error.log"); }
std::string UserFieldsFilePath() { return DataPath("__UserFields.dat"); }
std::string NewUserStatusFilePath() { return DataPath("__NewUserStatus.txt"); }
std::string PicksPolicyFilePath() { return DataPath("__PicksPolicy.txt"); }
std::string LockDateFilePath() { return DataPath("__LockDateTime.txt"); }
std::string CommentsFilePath() { return DataPath("__comments.txt"); }
std::string CommentsArchivePath() { return DataPath("__comments_archive.txt"); }
std::string WeekFilePath() { return DataPath("week.dat"); }
std::string GameDataFilePath() { return R().DataFolder + R().GameDataFileName; }
std::string PicksFilePath(const std::string& week) { return DataPath("picks" + week + "_.dat"); }
std::string WinningPicksFilePath(const std::string& week) { return DataPath("picks" + week + "W_.dat"); }
std::string TeamsFilePath(const std::string& week) { return DataPath("teams" + week + "_.dat"); }
std::string PeriodWinnersFilePath(const std::string& week) { return DataPath("winners" + week + "_.dat"); }
std::string OverallWinnersFilePath() { return DataPath("OverAllWinners.dat"); }
