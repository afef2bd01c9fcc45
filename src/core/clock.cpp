#include "core/clock.h"

#include <charconv>
#include <ctime>
#include <initializer_list>

static LocalTime FromTm(const struct tm& tm) {
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

LocalTime NowLocal() { return LocalTimeInDays(0); }

LocalTime LocalTimeOf(time_t at) {
    struct tm tm {};
    localtime_r(&at, &tm);
    return FromTm(tm);
}

LocalTime LocalTimeInDays(int days) {
    time_t now = time(nullptr);
    struct tm tm {};
    localtime_r(&now, &tm);
    if (days == 0) return FromTm(tm);
    tm.tm_mday += days;
    tm.tm_isdst = -1;  // the later day may be on the other side of a clock change
    mktime(&tm);  // brings the day into its month and year
    return FromTm(tm);
}

// Appends value in at least width characters, as printf's "%0*d" writes it:
// zeros between the sign and the digits. (snprintf costs ten times as much,
// and every request writes a date or two.)
static void AppendPadded(std::string& out, int value, int width) {
    char digits[16];
    long long magnitude = value;
    if (magnitude < 0) {
        out += '-';
        magnitude = -magnitude;
        --width;
    }
    std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, magnitude);
    int length = static_cast<int>(end.ptr - digits);
    if (width > length) out.append(static_cast<size_t>(width - length), '0');
    out.append(digits, end.ptr);
}

struct Padded {
    int Value, Width;
};

static std::string Joined(char separator, std::initializer_list<Padded> fields) {
    std::string out;
    for (const Padded& field : fields) {
        if (!out.empty()) out += separator;
        AppendPadded(out, field.Value, field.Width);
    }
    return out;
}

std::string DateMDY(const LocalTime& t) { return Joined('-', {{t.Month, 2}, {t.Day, 2}, {t.Year, 4}}); }
std::string TimeHMS(const LocalTime& t) { return Joined(':', {{t.Hour, 2}, {t.Minute, 2}, {t.Second, 2}}); }
std::string TimeHM(const LocalTime& t) { return TimeHMS(t).substr(0, 5); }
std::string ShortDate(const LocalTime& t) { return Joined('/', {{t.Month, 1}, {t.Day, 1}, {t.Year, 4}}); }
std::string DateTimeStamp(const LocalTime& t) { return DateMDY(t) + " " + TimeHMS(t); }
