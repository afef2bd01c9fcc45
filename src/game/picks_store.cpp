#include "game/picks_store.h"

#include <algorithm>
#include <utility>

#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/name_key.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"

static std::string NameKey(const std::string& text) { return UCase(TrimBlanks(text)); }

PicksFile::PicksFile(const std::string& path) {
    exists_ = FileExists(path);
    if (!exists_) return;
    file_ = std::make_unique<FileRanges>(path);
    bytes_ = file_->ViewWhole();
}

PicksFile::~PicksFile() = default;

// Lines end at a line feed, less the carriage return before it, as
// ReadTextLines splits them.
std::string_view PicksFile::TakeLine(size_t& at) const {
    std::string_view rest = bytes_.substr(at);
    size_t lf = rest.find('\n');
    size_t end = lf == std::string_view::npos ? rest.size() : lf;
    at += lf == std::string_view::npos ? rest.size() : lf + 1;
    size_t len = end > 0 && rest[end - 1] == '\r' ? end - 1 : end;
    return rest.substr(0, len);
}

bool PicksFile::SkipWholeLine(size_t& at) const {
    if (at >= bytes_.size()) return false;
    size_t lf = bytes_.find('\n', at);
    at = lf == std::string_view::npos ? bytes_.size() : lf + 1;
    return lf != std::string_view::npos;
}

// The name lines in file order, each record's picks and guess lines passed
// over; the scan stops at the first match, or at a record cut short.
long PicksFile::ScanFor(std::string_view key) const {
    size_t at = 0;
    for (long line = 0; at < bytes_.size(); line += 3) {
        size_t start = at;
        bool match = MatchesNameKey(TakeLine(at), key);
        if (bytes_[at - 1] != '\n' || !SkipWholeLine(at) || !SkipWholeLine(at)) {
            whole_ = start;
            return -1;
        }
        if (match) {
            cursorLine_ = line;
            cursorAt_ = start;
            return line;
        }
    }
    whole_ = bytes_.size();
    return -1;
}

void PicksFile::BuildIndex() const {
    for (size_t at = 0; at < bytes_.size();) {
        size_t lines[3];
        bool whole = true;
        for (size_t& start : lines) {
            start = at;
            whole = whole && SkipWholeLine(at);
        }
        if (!whole) break;
        starts_.insert(starts_.end(), lines, lines + 3);
        first_.emplace(NameKey(std::string(TakeLine(lines[0]))), static_cast<long>(starts_.size() - 3));
    }
    whole_ = starts_.empty() ? 0 : bytes_.find('\n', starts_.back()) + 1;
}

int64_t PicksFile::WholeLength() const {
    if (whole_ == std::string_view::npos) {
        size_t at = 0;
        for (whole_ = 0; SkipWholeLine(at) && SkipWholeLine(at) && SkipWholeLine(at);) whole_ = at;
    }
    return static_cast<int64_t>(whole_);
}

// Names are compared on the name line of each three-line record only, and a
// blank name matches nothing. One lookup scans; a second builds the index.
long PicksFile::Find(const std::string& name) const {
    std::string key = NameKey(name);
    if (key.empty()) return -1;
    if (++lookups_ == 1) return ScanFor(key);
    if (starts_.empty()) BuildIndex();
    auto it = first_.find(key);
    return it == first_.end() ? -1 : it->second;
}

std::string PicksFile::Line(long n) const {
    if (n < 0) Fail(kInputPastEnd);
    if (lookups_ > 1) {
        if (static_cast<size_t>(n) >= starts_.size()) Fail(kInputPastEnd);
        size_t at = starts_[static_cast<size_t>(n)];
        return std::string(TakeLine(at));
    }
    long line = n >= cursorLine_ ? cursorLine_ : 0;
    size_t at = n >= cursorLine_ ? cursorAt_ : 0;
    for (; line < n && at < bytes_.size(); ++line) TakeLine(at);
    if (at >= bytes_.size()) Fail(kInputPastEnd);
    return std::string(TakeLine(at));
}

int16_t CountCorrectPicks(const PicksFile& picks, const std::string& name) {
    long at = picks.Find(name);
    if (at < 0) return 9999;
    std::string mine = TrimBlanks(picks.Line(at + 1));
    const std::string& winning = R().Uwp;
    R().LineNumber = CInt(static_cast<double>(mine.size()));
    int16_t correct = 0;
    for (size_t i = 0; i < mine.size() && i < winning.size(); ++i)
        if (mine[i] == winning[i]) ++correct;
    return correct;
}

std::string TieBreakerGuess(const PicksFile& picks, const std::string& name) {
    long at = picks.Find(name);
    if (at < 0) return "";
    picks.Line(at + 1);
    return TrimBlanks(picks.Line(at + 2));
}

std::string PicksProblem(const std::string& picks, const std::string& guess) {
    size_t games = PeriodGameLines(R().CurrentWeek).size();
    if (games > 100 || picks.size() != games || picks.find_first_not_of("015") != std::string::npos)
        return "they do not match the games of this period. Please make them again.";
    std::string typed = Trimm(guess);
    if (typed.size() > 3 || typed.find_first_not_of("0123456789") != std::string::npos)
        return "the tie breaker score must be empty or a number of up to 3 digits.";
    return "";
}

std::string PicksRefusal(const std::string& picks, const std::string& guess) {
    std::string problem = PicksProblem(picks, guess);
    return problem.empty() ? "" : "Your picks were not saved: " + problem;
}

// The menu and the page of one run may both ask: the file is read once
// while it stays unchanged, and a save changes it.
static const PicksLookup& LookUpUserPicks() {
    Run& r = R();
    std::string path = PicksFilePath(r.CurrentWeek);
    PicksLookup& last = r.ReadThisRun.LastPicksLookup;
    if (!last.Path.empty() && last.Path == path && last.Name == r.CurrentUserRealName &&
        last.Writes == FileWritesSoFar())
        return last;
    PicksLookup read{path, r.CurrentUserRealName, FileWritesSoFar(), false, "", ""};
    PicksFile picks(path);
    long at = picks.Exists() ? picks.Find(read.Name) : -1;
    if (at >= 0) {
        read.Picks = picks.Line(at + 1);
        read.TieBreaker = picks.Line(at + 2);
        read.Found = true;
    } else {
        read.WholeLength = picks.WholeLength();  // the lookup read to the end
    }
    return last = std::move(read);
}

// The values have passed PicksRefusal; a line break in the name would still
// forge another player's record. The record goes after the whole records,
// over one that a killed save left cut short, in one write.
void SavePicks() {
    const Run& r = R();
    std::string path = PicksFilePath(r.CurrentWeek);
    const PicksLookup& read = LookUpUserPicks();
    int64_t whole = read.Found ? PicksFile(path).WholeLength() : read.WholeLength;
    AppendAt(path, whole, JoinTextLines({SingleLine(r.CurrentUserRealName), r.Uwp, Trimm(r.TieBreaker)}));
}

// The whole records are written beside the old file and renamed over it: a
// reader finds the old record or the new one, and every other record as it
// was. A tail that a killed save left cut short goes with the rewrite.
void ReplacePicks() {
    const Run& r = R();
    std::string path = PicksFilePath(r.CurrentWeek);
    PicksFile picks(path);
    long at = picks.Exists() ? picks.Find(r.CurrentUserRealName) : -1;
    if (at < 0) {
        SavePicks();
        return;
    }
    std::vector<std::string> lines = SplitTextLines(ReadWholeFile(path).substr(0, picks.WholeLength()));
    lines.resize(std::max(lines.size(), static_cast<size_t>(at) + 3));
    lines[static_cast<size_t>(at) + 1] = r.Uwp;
    lines[static_cast<size_t>(at) + 2] = Trimm(r.TieBreaker);
    WriteFileAtomic(path, JoinTextLines(lines));
}

bool LoadUserPicks() {
    Run& r = R();
    const PicksLookup& found = LookUpUserPicks();
    if (!found.Found) return false;
    // A save never stores more than a sheet's 100 picks; the rest of a longer
    // record kept from before has no game to show and is left unread, so it
    // cannot lock its owner out of his menu.
    const std::string& line = found.Picks;
    for (size_t i = 0; i < line.size() && i < 100; ++i) r.Picks[i + 1] = std::string(1, line[i]);
    r.TieBreaker = found.TieBreaker;
    return true;
}

bool HasSavedPicks() { return LookUpUserPicks().Found; }

std::string PicksFromArray() {
    const Run& r = R();
    std::string picks;
    for (int i = 1; i <= r.LineNumber; ++i) {
        if (i > 100) Fail(kSubscript);
        if (TrimBlanks(r.Picks[i]).empty()) break;
        picks += r.Picks[i];
    }
    return picks;
}

void SaveWinningTeamsForThisPeriod(FileBatch& batch) {
    Run& r = R();
    r.CurrentRoutine = "SaveWinningTeamsForThisPeriod";
    std::string path = WinningPicksFilePath(r.CurrentWeek);
    if (FileExists(path))
        r.Uwp = TrimBlanks(LineReader(path).Next());
    else
        batch.Write(path, JoinTextLines({r.Uwp, r.TieBreaker}));
}
