#include "users/login_limits.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <ctime>
#include <vector>

#include "cgi/output.h"
#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

namespace {

constexpr int kWrongPasswords = 10;
constexpr long long kPasswordWindow = 15 * 60;  // also how long a lock lasts
constexpr size_t kRegistrationsPerAddress = 100;
// Rotating addresses must not fill the user file either.
constexpr size_t kRegistrationsPerPool = 300;
constexpr long long kRegistrationWindow = 60 * 60;
// A file that holds this many entries keeps its newest half before it takes
// another, so guesses spread over many accounts cannot grow it without end.
// It still holds far more than an hour's registrations.
constexpr size_t kMaxEntries = 4000;

// One line of every limits file: "seconds key", the seconds since 1970 of
// the event (in the locks file, of the lock's end), one blank, and the key:
// an account's e-mail address as its record keeps it, or a remote address,
// without control characters. A line not so counts nothing.
struct LimitEntry {
    long long When = 0;
    std::string Key;
};

std::string EntryLine(const LimitEntry& entry) { return NumText(entry.When) + " " + entry.Key; }

bool ParseEntry(const std::string& line, LimitEntry& entry) {
    size_t space = line.find(' ');
    if (space == std::string::npos) return false;
    auto [end, error] = std::from_chars(line.data(), line.data() + space, entry.When);
    if (error != std::errc() || end != line.data() + space) return false;
    entry.Key = line.substr(space + 1);
    return true;
}

std::vector<LimitEntry> ReadEntries(const std::string& path) {
    std::vector<LimitEntry> entries;
    // Usually missing.
    if (!FileExists(path)) return entries;
    LimitEntry entry;
    for (const std::string& line : ReadTextLines(path))
        if (ParseEntry(line, entry)) entries.push_back(entry);
    return entries;
}

std::string EntriesText(const std::vector<LimitEntry>& entries) {
    std::vector<std::string> lines;
    for (const LimitEntry& entry : entries) lines.push_back(EntryLine(entry));
    return JoinTextLines(lines);
}

// Drops the oldest half of entries that fill a file; true when it did.
bool CutWhenFull(std::vector<LimitEntry>& entries) {
    if (entries.size() < kMaxEntries) return false;
    entries.erase(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2));
    return true;
}

// Adds line to the file of entries with the batch: appended, or, once the
// file is full, after the newest half of its entries in the file made anew.
void AddLine(FileBatch& batch, const std::string& path, std::vector<LimitEntry> entries, const std::string& line) {
    if (CutWhenFull(entries))
        batch.Write(path, EntriesText(entries) + line);
    else
        batch.Append(path, line);
}

bool Within(const LimitEntry& event, long long now, long long window) {
    return event.When <= now && now - event.When < window;
}

// A lock further off than its length comes from a clock set back: it is over.
bool Running(const LimitEntry& lock, long long now) { return lock.When > now && lock.When - now <= kPasswordWindow; }

std::string WrongPasswordsFilePath() { return DataPath("__WrongPasswords.txt"); }
std::string LockedAccountsFilePath() { return DataPath("__LockedAccounts.txt"); }

std::string AccountKey() { return SingleLine(UCase(TrimBlanks(R().User.UserEmail))); }

[[noreturn]] void WaitPage(const std::string& reason, long long seconds) {
    long long minutes = std::max(1LL, (seconds + 59) / 60);
    SendHeader("The Zarn Pool");
    Send("<BODY>");
    Send(reason + " Please wait " + NumText(minutes) + (minutes == 1 ? " minute" : " minutes") + " and try again.");
    SendFooter();
    EndRun();
}

void LockAccount(FileBatch& batch, const std::string& key, long long now) {
    std::vector<LimitEntry> locks = ReadEntries(LockedAccountsFilePath());
    std::erase_if(locks, [now](const LimitEntry& lock) { return !Running(lock, now); });
    CutWhenFull(locks);
    locks.push_back({now + kPasswordWindow, key});
    batch.Write(LockedAccountsFilePath(), EntriesText(locks));
}

// Seconds until fewer than limit of these times of events within the window
// are still within it; 0 when fewer are already.
long long WaitUnderLimit(std::vector<long long> times, size_t limit, long long window, long long now) {
    if (times.size() < limit) return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() - limit] + window - now;
}

}  // namespace

void WaitWhileAccountLocked() {
    long long now = std::time(nullptr);
    std::string key = AccountKey();
    for (const LimitEntry& lock : ReadEntries(LockedAccountsFilePath()))
        if (lock.Key == key && Running(lock, now))
            WaitPage("Too many wrong passwords for this account.", lock.When - now);
}

void CountWrongPassword() {
    long long now = std::time(nullptr);
    LimitEntry wrong{now, AccountKey()};
    std::vector<LimitEntry> entries = ReadEntries(WrongPasswordsFilePath());
    int count = 1 + static_cast<int>(std::ranges::count_if(entries, [&](const LimitEntry& event) {
                    return event.Key == wrong.Key && Within(event, now, kPasswordWindow);
                }));
    // The wrong password that locks the account is counted with the lock.
    FileBatch batch;
    AddLine(batch, WrongPasswordsFilePath(), std::move(entries), EntryLine(wrong) + "\r\n");
    if (count >= kWrongPasswords) LockAccount(batch, wrong.Key, now);
    batch.Commit();
}

std::string RegistrationsFilePath() { return DataPath("__Registrations.txt"); }

std::string RegistrationEntry() {
    long long now = std::time(nullptr);
    LimitEntry registration{now, SingleLine(TrimBlanks(CgiVar("REMOTE_ADDR")))};
    std::vector<LimitEntry> entries = ReadEntries(RegistrationsFilePath());
    std::vector<long long> fromAddress, fromAll;
    for (const LimitEntry& event : entries) {
        if (!Within(event, now, kRegistrationWindow)) continue;
        fromAll.push_back(event.When);
        if (event.Key == registration.Key) fromAddress.push_back(event.When);
    }
    if (long long wait = WaitUnderLimit(fromAddress, kRegistrationsPerAddress, kRegistrationWindow, now))
        WaitPage("Too many tries from your address.", wait);
    if (long long wait = WaitUnderLimit(fromAll, kRegistrationsPerPool, kRegistrationWindow, now))
        WaitPage("Too many new players in the last hour.", wait);
    return EntryLine(registration) + "\r\n";
}

void CountRegistration(FileBatch& batch, const std::string& entry) {
    AddLine(batch, RegistrationsFilePath(), ReadEntries(RegistrationsFilePath()), entry);
}
