#include "cgi/entry.h"

#include <unistd.h>

#include <csignal>
#include <new>

#include "cgi/form.h"
#include "cgi/output.h"
#include "core/clock.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

// Whether the file ends with entry (a dated entry: with the date before it).
static bool EndsWith(const std::string& path, const std::string& entry) {
    int64_t length = FileExists(path) ? FileLength(path) : 0, size = static_cast<int64_t>(entry.size());
    return length >= size && ReadFileRange(path, length - size, size) == entry;
}

static void AppendErrorLog(bool unlessLast = false) {
    const Run& r = R();
    std::string entry = "Internal Error\r\n";
    entry += "Error in " + r.ScriptName + "\r\n";
    entry += "The following internal error has occurred:\r\n";
    entry += r.ErrorText + "\r\n";
    entry += "While processing  :  " + r.Version + " " + r.CurrentRoutine + "\r\n";
    entry += "\r\n";
    std::string path = ErrorLogPath();
    if (unlessLast && EndsWith(path, entry)) return;
    entry = ShortDate(NowLocal()) + entry;
    // The web server keeps what a program writes to standard error in its
    // own log: the installer finds the advice there, and the entry when the
    // pool's folder cannot take it.
    std::string serverLog = r.ErrorAdvice.empty() ? "" : r.ErrorAdvice + "\n";
    try {
        AppendToFile(path, entry);
    } catch (...) {
        serverLog += entry;
    }
    if (!serverLog.empty() && write(STDERR_FILENO, serverLog.data(), serverLog.size()) < 0) {
        // Nowhere left to report to.
    }
}

void WriteErrorPage() {
    const Run& r = R();
    // On a file, start again at its beginning; on a pipe these fail and the
    // error page follows what was already sent.
    FlushOutput();
    lseek(r.StdOutHandle, 0, SEEK_SET);
    SendHeader("Internal Error");
    Send("<H1>Error in " + EscapeMarkup(r.ScriptName) + "</H1>");
    Send("The following internal error has occurred:");
    Send("<PRE>" + r.ErrorText + "</PRE>");
    if (!r.ErrorAdvice.empty()) Send("<P><B>" + r.ErrorAdvice + "</B></P>");
    Send("<I>Please</I> note what you were doing when this problem occurred, ");
    Send("so we can identify and correct it. Write down the Web page you were ");
    Send("using, any data you may have entered into a form or search box, ");
    Send("and anything else that may help us duplicate the problem.");
    Send("Then contact the administrator of this service: ");
    Send("<A HREF=\"mailto:" + r.AdminContactEmail + "\">");
    Send("<ADDRESS>&lt;" + r.AdminContactEmail + "&gt;</ADDRESS></A>");
    Send("<br>");
    Send(r.Version + "   <br>");
    Send(r.CurrentRoutine);
    SendFooter();
    FlushOutput();
    off_t pos = lseek(r.StdOutHandle, 0, SEEK_CUR);
    if (pos >= 0) {
        if (ftruncate(r.StdOutHandle, pos) != 0) {
            // Not a file: nothing to cut.
        }
    }
    AppendErrorLog();
}

static void SetFailure(long number, const std::string& description, const std::string& advice) {
    R().ErrorText = description + " Error Number = " + (number < 0 ? "" : " ") + std::to_string(number);
    R().ErrorAdvice = advice;
}

void LogFailureOnce(const RunFailure& failure) {
    SetFailure(failure.Number, failure.what(), failure.Advice);
    try {
        AppendErrorLog(true);
    } catch (const RunFailure&) {
        // A log that cannot be read is no reason to stop the page.
    }
}

static void ReportFailure(long number, const std::string& description, const std::string& advice = "") {
    try {
        SetFailure(number, description, advice);
        WriteErrorPage();
    } catch (...) {
        // Out of memory while reporting: the failure path must not start
        // again nor leave an uncaught exception behind.
    }
}

int RequestEntry(void (*answer)()) {
    signal(SIGPIPE, SIG_IGN);
    // A file size limit of the web server fails the write that passes it.
    signal(SIGXFSZ, SIG_IGN);
    try {
        ReadCgiEnvironment();
        ReadFormData();
        answer();
    } catch (const RunEnded&) {
    } catch (const RunFailure& failure) {
        ReportFailure(failure.Number, failure.what(), failure.Advice);
    } catch (const std::bad_alloc&) {
        ReportFailure(kOutOfMemory, FailureDescription(kOutOfMemory));
    } catch (const std::exception& other) {
        ReportFailure(kInvalidCall, other.what());
    } catch (...) {
        ReportFailure(kInvalidCall, FailureDescription(kInvalidCall));
    }
    FlushOutput();
    return 0;
}
