#include "cgi/form.h"

#include <unistd.h>

#include <cerrno>

#include "cgi/environment.h"
#include "cgi/settings.h"
#include "core/failure.h"
#include "core/run.h"
#include "core/text.h"

void ReadCgiEnvironment() {
    Run& r = R();
    r.StdInHandle = STDIN_FILENO;
    r.StdOutHandle = STDOUT_FILENO;
    ReadInstallationSettings();
    ReadEnvironment(kCgiVariables, r.CgiVars);
    r.ScriptName = CgiVar("SCRIPT_NAME");
    r.ContentLength = CLng(Val(CgiVar("CONTENT_LENGTH")));
    r.FormPairs.assign(1, FormPair{});
    r.FormFields.clear();
}

// Reads the body until CONTENT_LENGTH bytes or the end of input: a short
// body never makes the run wait.
static void ReadBody() {
    Run& r = R();
    if (r.ContentLength > r.MaxContentLength) Fail(kInvalidCall);
    std::string buffer(r.ContentLength > 0 ? static_cast<size_t>(r.ContentLength) : 0, '\0');
    while (r.FormData.size() < buffer.size()) {
        ssize_t n = read(r.StdInHandle, buffer.data(), buffer.size() - r.FormData.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        r.FormData.append(buffer.data(), static_cast<size_t>(n));
    }
}

void ReadFormData() {
    if (CgiVar("REQUEST_METHOD") == "POST") {
        ReadBody();
        if (Contains(UCase(CgiVar("CONTENT_TYPE")), "WWW-FORM-URLENCODED")) SplitFormPairs(R().FormData);
    }
    SplitFormPairs(CgiVar("QUERY_STRING"));
}

// Each field name is upper-cased once, here, into the table the lookups
// use, so a lookup costs the same however many fields the body holds.
static void IndexFormPairs(size_t first) {
    Run& r = R();
    for (size_t slot = first; slot < r.FormPairs.size(); ++slot) {
        std::string& joined = r.FormFields[UCase(r.FormPairs[slot].Name)];
        const std::string& value = r.FormPairs[slot].Value;
        if (joined.empty()) {
            joined = value;
        } else {
            joined += ';';
            joined += value;
        }
    }
}

void SplitFormPairs(const std::string& text) {
    size_t count = 0;
    for (char c : text) count += c == '=';
    if (count == 0) return;
    std::vector<FormPair>& pairs = R().FormPairs;
    size_t first = pairs.size();
    pairs.resize(first + count);
    size_t p = 0;
    for (size_t slot = first; slot < pairs.size(); ++slot) {
        size_t eq = text.find('=', p);
        if (eq == std::string::npos) break;
        pairs[slot].Name = UrlDecode(text.substr(p, eq - p));
        size_t amp = text.find('&', eq);
        if (amp == std::string::npos) amp = text.size();
        pairs[slot].Value = UrlDecode(text.substr(eq + 1, amp - eq - 1));
        p = amp + 1;
    }
    IndexFormPairs(first);
}

static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One pass from left to right: a decoded character is never looked at again,
// and a long value costs no more than its length.
std::string UrlDecode(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%') {
            int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
            int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
            if (high < 0 || low < 0) Fail(kUrlDecode);
            c = static_cast<char>(high * 16 + low);
            i += 2;
        } else if (c == '+') {
            c = ' ';
        }
        out += c;
    }
    return out;
}

std::string GetCgiValue(const std::string& name) {
    const Run& r = R();
    // The lookup counts the slots with a 16-bit counter, which overflows
    // stepping past slot 32767.
    if (r.FormPairs.size() > 32767) Fail(kOverflow);
    auto it = r.FormFields.find(UCase(name));
    if (it == r.FormFields.end()) return "";
    if (name == "IAX" || name == "XAI" || name == "ACTION") return it->second;
    return EscapeFormValue(it->second);
}

static bool IsEscaped(unsigned char c) { return (c >= 33 && c <= 47 && c != 45 && c != 46) || (c >= 58 && c <= 63); }

// A value of any length that the request cap lets through is escaped: a
// long comment comes back to its writer rather than end in the error page.
static std::string EscapeWhere(const std::string& text, bool (*escape)(unsigned char)) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (escape(c)) {
            out += "&#";
            out += std::to_string(c);
            out += ';';
        } else {
            out += ch;
        }
    }
    return out;
}

std::string EscapeFormValue(const std::string& text) { return EscapeWhere(text, IsEscaped); }

std::string EscapeCarriedValue(const std::string& text) {
    return EscapeWhere(text, [](unsigned char c) { return IsEscaped(c) && c != '&' && c != '#' && c != ';'; });
}
