#include "users/address_limits.h"

#include <ctime>
#include <string>
#include <vector>

#include "cgi/form.h"
#include "cgi/output.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

namespace {

struct EventLimit {
    const char* Kind;  // the word of the event in the state file
    size_t Events;     // at most this many in any window
    long WindowSeconds;
};

// Far above what an office meets, even behind one shared address.
constexpr EventLimit kLimits[] = {{"PASSWORD", 50, 15 * 60}, {"REGISTER", 100, 60 * 60}};

std::string StateFilePath() { return DataPath("__AddressLimits.txt"); }

std::string RemoteAddress() { return SingleLine(TrimBlanks(CgiVar("REMOTE_ADDR"))); }

// One line of the state file: kind, seconds since 1970, address.
struct EventLine {
    std::string Kind;
    long long When = 0;
    std::string Address;
};

bool ParseLine(const std::string& line, EventLine& event) {
    size_t first = line.find(' ');
    size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
    if (second == std::string::npos) return false;
    event.Kind = line.substr(0, first);
    event.When = static_cast<long long>(Val(line.substr(first + 1, second - first - 1)));
    event.Address = line.substr(second + 1);
    return true;
}

// The lines still inside their kind's window: the rest are dropped
// whenever the file is written again, so it never grows past the live events.
std::vector<std::string> LiveLines(long long now) {
    std::vector<std::string> live;
    if (!FileExists(StateFilePath())) return live;
    for (const std::string& line : ReadTextLines(StateFilePath())) {
        EventLine event;
        if (!ParseLine(line, event)) continue;
        for (const EventLimit& limit : kLimits)
            if (event.Kind == limit.Kind && event.When <= now && now - event.When < limit.WindowSeconds)
                live.push_back(line);
    }
    return live;
}

size_t CountOf(const std::vector<std::string>& lines, const EventLimit& limit, const std::string& address) {
    size_t count = 0;
    EventLine event;
    for (const std::string& line : lines) count += ParseLine(line, event) && event.Kind == limit.Kind && event.Address == address;
    return count;
}

[[noreturn]] void WaitPage(const EventLimit& limit) {
    SendHeader("The Zarn Pool");
    Send("<BODY>");
    Send("Too many tries from your address. Please wait " + NumText(limit.WindowSeconds / 60) +
         " minutes and try again.");
    SendFooter();
    EndRun();
}

const EventLimit& LimitOf(LimitedEvent event) { return kLimits[static_cast<int>(event)]; }

}  // namespace

void WaitWhenOverLimit(LimitedEvent event) {
    const EventLimit& limit = LimitOf(event);
    if (CountOf(LiveLines(std::time(nullptr)), limit, RemoteAddress()) >= limit.Events) WaitPage(limit);
}

void CountLimitedEvent(LimitedEvent event) {
    const EventLimit& limit = LimitOf(event);
    long long now = std::time(nullptr);
    std::vector<std::string> lines = LiveLines(now);
    if (CountOf(lines, limit, RemoteAddress()) >= limit.Events) WaitPage(limit);
    lines.push_back(std::string(limit.Kind) + " " + NumText(now) + " " + RemoteAddress());
    WriteFileAtomic(StateFilePath(), JoinTextLines(lines));
}
