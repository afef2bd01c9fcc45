// Feeds any bytes to the form decoding and the request state, as a query
// string and a body, and checks what every lookup answers.
#include <fcntl.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/failure.h"
#include "cgi/form.h"
#include "cgi/request_state.h"
#include "core/run.h"
#include "core/scramble.h"
#include "core/text.h"

namespace {

void Require(bool condition) {
    if (!condition) abort();
}

// The joined value of a field by a plain walk over every pair.
std::string WalkedValue(const std::string& name) {
    std::string result;
    for (size_t i = 1; i < R().FormPairs.size(); ++i) {
        if (UCase(R().FormPairs[i].Name) != UCase(name)) continue;
        if (result.empty()) {
            result = R().FormPairs[i].Value;
        } else {
            result += ';';
            result += R().FormPairs[i].Value;
        }
    }
    return result;
}

bool HasRawMarkup(const std::string& text) { return text.find_first_of("<>\"'") != std::string::npos; }

void CheckLookups() {
    if (R().FormPairs.size() > 32767) return;
    for (size_t i = 1; i < R().FormPairs.size() && i < 64; ++i) {
        const std::string& name = R().FormPairs[i].Name;
        std::string walked = WalkedValue(name);
        if (walked.size() > 32767) continue;
        std::string escaped = GetCgiValue(LCase(name));
        Require(escaped == EscapeFormValue(walked));
        Require(!HasRawMarkup(escaped));
    }
}

void Decode(const std::string& query, const std::string& body) {
    SplitFormPairs(body);
    SplitFormPairs(query);
    CheckLookups();
    // Without credentials the reading stops early and the not-listed page
    // escapes what it shows.
    if (GetData()) Require(!R().CredentialsFromHiddenFields || !HasRawMarkup(R().LoginEmail + R().LoginPassword));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int devNull = open("/dev/null", O_WRONLY);
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t split = input.find('\0');
    std::string query = split == std::string::npos ? "" : input.substr(0, split);
    std::string body = split == std::string::npos ? input : input.substr(split + 1);
    R() = Run{};
    R().StdOutHandle = devNull;
    R().FormPairs.assign(1, FormPair{});
    try {
        Decode(query, body);
    } catch (const RunFailure&) {
        // A failure with its number is what the error page reports.
    }
    // A plain value scrambled and unscrambled comes back as it was.
    if (body.size() < 4096 && !StartsWith(body, "*B*")) Require(ScrambleValue(ScrambleValue(body)) == body);
    return 0;
}
