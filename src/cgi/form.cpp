#include "cgi/form.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "cgi/settings.h"
#include "core/failure.h"
#include "core/run.h"
#include "core/text.h"

void ReadCgiEnvironment() {
    Run& r = R();
    r.StdInHandle = STDIN_FILENO;
    r.StdOutHandle = STDOUT_FILENO;
    ReadInstallationSettings();
    for (size_t i = 0; i < kCgiVariables.size(); ++i) {
        const char* value = getenv(std::string(kCgiVariables[i]).c_str());
        r.CgiVars[i] = value ? value : "";
    }
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
void SplitFormPairs(const std::string& text) {
    Run& r = R();
    size_t first = r.FormPairs.size();
    for (size_t p = 0, eq; (eq = text.find('=', p)) != std::string::npos;) {
        size_t amp = std::min(text.find('&', eq), text.size());
        r.FormPairs.push_back({UrlDecode(text.substr(p, eq - p)), UrlDecode(text.substr(eq + 1, amp - eq - 1))});
        p = amp + 1;
    }
    // Every "=" counts a slot: one inside a value leaves a slot without name or value.
    r.FormPairs.resize(first + static_cast<size_t>(std::count(text.begin(), text.end(), '=')));
    for (size_t slot = first; slot < r.FormPairs.size(); ++slot) {
        std::string& joined = r.FormFields[UCase(r.FormPairs[slot].Name)];
        if (!joined.empty()) joined += ';';
        joined += r.FormPairs[slot].Value;
    }
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
