#include "game/picks_store.h"

#include <bit>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <utility>

#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
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

namespace {

// The line feeds of one block of bytes as bits, the first byte lowest:
// sixty-four bytes with SSE2 (every x86-64), eight elsewhere. A lookup passes
// over every line of files of tens of thousands of lines.
#if defined(__SSE2__)
constexpr size_t kBlock = 64, kBitsPerByte = 1;
inline uint64_t LineFeedBits(const char* block) {
    const __m128i feed = _mm_set1_epi8('\n');
    uint64_t bits = 0;
    for (int part = 0; part < 4; ++part) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
        bits |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, feed))))
                << (16 * part);
    }
    return bits;
}
#else
constexpr size_t kBlock = 8, kBitsPerByte = 8;
inline uint64_t LineFeedBits(const char* block) {
    uint64_t word;
    std::memcpy(&word, block, 8);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
    return BytesEqualTo(word, '\n');
}
#endif

}  // namespace

// Whether the line ending at end (its line feed, or the file's end) is the
// name key, give or take blanks and case. It is read from its end back, so
// its start need not be known: most lines fail on their last letter.
bool PicksFile::IsNameOf(size_t end, std::string_view key) const {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(bytes_.data());
    if (end > 0 && bytes[end - 1] == '\r') --end;
    while (end > 0 && bytes[end - 1] == ' ') --end;
    if (end < key.size()) return false;
    size_t start = end - key.size();
    for (size_t i = key.size(); i-- > 0;)
        if (UpperByte(bytes[start + i]) != static_cast<unsigned char>(key[i])) return false;
    while (start > 0 && bytes[start - 1] == ' ') --start;
    return start == 0 || bytes[start - 1] == '\n';
}

// Only the name line of each record, the first of its three, is looked at:
// the two line feeds after it are passed over as bits, and a name line whose
// last byte cannot end the key is passed over on that byte.
long PicksFile::ScanFor(std::string_view key) const {
    // No line holds a line feed; read back, a key with one could match two.
    if (key.find('\n') != std::string_view::npos) return -1;
    // The key is upper case: its last letter ends a name line in either
    // case, or is followed by blanks.
    const unsigned char upper = static_cast<unsigned char>(key.back()), lower = LowerByte(upper);
    const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes_.data());
    auto isName = [&](size_t feed) {
        unsigned char last = feed > 0 ? data[feed - 1] : '\n';
        if (last == '\r' && feed > 1) last = data[feed - 2];
        return (last == upper || last == lower || last == ' ') && IsNameOf(feed, key);
    };
    size_t size = bytes_.size(), at = 0;
    long records = 0;
    int pass = 0;  // line feeds before the next name line's own
    for (; at + kBlock <= size; at += kBlock) {
        uint64_t feeds = LineFeedBits(bytes_.data() + at);
        for (; pass > 0 && feeds != 0; --pass) feeds &= feeds - 1;
        while (feeds != 0) {
            size_t feed = at + static_cast<size_t>(std::countr_zero(feeds)) / kBitsPerByte;
            if (isName(feed)) return Found(records, feed);
            ++records;
            feeds &= feeds - 1;
            for (pass = 2; pass > 0 && feeds != 0; --pass) feeds &= feeds - 1;
        }
    }
    for (; at < size; ++at) {
        if (data[at] != '\n') continue;
        if (pass > 0) {
            --pass;
        } else if (isName(at)) {
            return Found(records, at);
        } else {
            ++records;
            pass = 2;
        }
    }
    // A last line without its line feed.
    if (pass == 0 && size > 0 && data[size - 1] != '\n' && IsNameOf(size, key)) return Found(records, size);
    return -1;
}

// The name line of record (from 0) that ends at end: its number, kept with
// its start for reading the record's lines.
long PicksFile::Found(long record, size_t end) const {
    cursorLine_ = 3 * record;
    size_t feed = end == 0 ? std::string_view::npos : bytes_.rfind('\n', end - 1);
    cursorAt_ = feed == std::string_view::npos ? 0 : feed + 1;
    return cursorLine_;
}

void PicksFile::BuildIndex() const {
    for (size_t at = 0; at < bytes_.size();) {
        starts_.push_back(at);
        std::string_view line = TakeLine(at);
        if (starts_.size() % 3 == 1)
            first_.emplace(NameKey(std::string(line)), static_cast<long>(starts_.size() - 1));
    }
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
    if (!starts_.empty() || lookups_ > 1) {
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

const char kPicksLockedNotice[] = "Your picks were not saved because the game is locked.";

std::string PicksRefusal(const std::string& picks, const std::string& guess) {
    size_t games = PeriodGameLines(R().CurrentWeek).size();
    if (games > 100 || picks.size() != games || picks.find_first_not_of("015") != std::string::npos)
        return "Your picks were not saved: they do not match the games of this period. Please make them again.";
    std::string typed = Trimm(guess);
    if (typed.size() > 3 || typed.find_first_not_of("0123456789") != std::string::npos)
        return "Your picks were not saved: the tie breaker score must be empty or a number of up to 3 digits.";
    return "";
}

// The values have passed PicksRefusal; a line break in the name would still
// forge another player's record.
void SavePicks() {
    const Run& r = R();
    AppendTextLines(PicksFilePath(r.CurrentWeek), {SingleLine(r.CurrentUserRealName), r.Uwp, Trimm(r.TieBreaker)});
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
    }
    return last = std::move(read);
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
