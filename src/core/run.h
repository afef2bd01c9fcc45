// Every value that lives for one run, in one place, so a test can reset it.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/files.h"

// The CGI variables the gateway reads at the start of the run.
inline constexpr std::array<std::string_view, 21> kCgiVariables = {
    "HTTP_ACCEPT", "AUTH_TYPE", "CONTENT_LENGTH", "CONTENT_TYPE", "HTTP_COOKIE", "GATEWAY_INTERFACE",
    "PATH_INFO", "PATH_TRANSLATED", "QUERY_STRING", "HTTP_REFERER", "REMOTE_ADDR", "REMOTE_HOST",
    "REMOTE_IDENT", "REMOTE_USER", "REQUEST_METHOD", "SCRIPT_NAME", "SERVER_SOFTWARE", "SERVER_NAME",
    "SERVER_PORT", "SERVER_PROTOCOL", "HTTP_USER_AGENT"};

struct FormPair {
    std::string Name;
    std::string Value;
};

// One user record as read from or written to the user file; fields keep
// their fixed-width padding until a reader trims them.
struct UserRecord {
    std::string UserEmail;
    std::string UserPassword;
    std::string UserRealName;
    std::string UserLastAccess;
    std::string UserStatus;
};

// A player's record of a period's picks file as last read in this run.
struct PicksLookup {
    std::string Path, Name;
    uint64_t Writes = 0;
    bool Found = false;
    std::string Picks, TieBreaker;
    int64_t WholeLength = -1;  // of the file's whole records, when none was found
};

// What the run has read of its files, kept while the run writes none: the
// folder lock keeps other runs out, so what was read stays true until the
// run itself writes, creates, cuts, renames or removes a file.
struct FilesReadThisRun {
    uint64_t FileWrites = 0;  // see FileWritesSoFar
    LinesRead LockDateFile, WeekFile;
    PicksLookup LastPicksLookup;
};

struct Run {
    // The program's own path as started (argv[0] or /proc/self/exe).
    std::string ProgramFile;

    // CGI gateway
    int StdInHandle = 0;
    int StdOutHandle = 1;
    // Page bytes not yet written (bounded, see Send): a block allocated once,
    // its pages touched only as far as a page fills it.
    std::unique_ptr<char[]> OutputBlock;
    size_t OutputHeld = 0;
    std::string CurrentRoutine;
    std::string ErrorText;
    std::string ErrorAdvice;  // what an installer must change, or ""
    std::string AdminContactEmail;  // the installation settings, read at the start
    std::string Version;
    std::string ScriptName;
    std::array<std::string, kCgiVariables.size()> CgiVars;  // in the order of kCgiVariables
    int32_t ContentLength = 0;
    std::string FormData;
    std::vector<FormPair> FormPairs;  // slot 0 is never used
    // Upper-cased field name to its values joined by ";", made as the pairs are split.
    std::map<std::string, std::string> FormFields;

    // Settings of the installation (cgi/settings.h)
    std::string HelpBaseUrl;  // empty until the pool's own help folder is known
    std::string ImageMapUrl;
    std::string Copyright;
    long MaxContentLength = 0;

    // Data folder, file names and script address
    std::string ScriptFileName;
    std::string ProgramPath;
    std::string DataFolder;
    std::string DataFilePrefix;
    std::string GameDataFileName;
    std::string ActivityLogPath;
    std::string ScriptUrl;
    std::string ScriptFolderUrl;
    bool WebRootFound = false;
    std::string WebRootFolder;
    std::string WebRootUrl;
    int FolderLockHandle = -1;
    int FolderLockWaitSeconds = 30;

    // Request state
    std::string Action;
    std::string Month, Day, Year, Hour, Minute;
    std::string LoginEmail;
    std::string LoginPassword;
    bool CredentialsFromHiddenFields = false;  // XAI/IAX rather than NNAME/PASS
    std::string NewUserPolicy;
    std::string TieBreaker;
    int16_t LineNumber = 0;
    std::string FName, Edit;
    std::string UserEmailField, UserRealNameField, UserStatusField, UserPasswordField;
    std::array<std::string, 101> Picks;  // place 0 unused
    std::string Uwp;
    std::string CommentField;

    // Players
    UserRecord User;
    int32_t UserRecordNumber = 0;
    std::string AdministratorName;
    std::string AdministratorEmail;
    std::string LoginResult;
    std::string CurrentUserStatus;
    std::string CurrentUserRealName;
    int32_t CurrentUserRecordNumber = 0;  // the logged-in player's own record

    // Periods and lock-out
    std::string CurrentWeek, FirstWeek, LastWeek;
    bool PoolEnded = false;
    std::string LockDateText;

    // Site images
    std::string ImageFolder;
    std::string ImageUrlBase;

    // Help pages written beside the program ("" when the help is elsewhere)
    std::string HelpFolder;

    // The in-run cache: every field that keeps a read for a later ask.
    FilesReadThisRun ReadThisRun;
};

// The run now in progress.
Run& R();
// A CGI variable as the gateway read it at the start of the run ("" when unset).
const std::string& CgiVar(std::string_view name);
