#include "core/clock.h"

#include <cstdio>
#include <ctime>

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

static std::string Printed(const char* format, int a, int b, int c) {
    char text[40];
    snprintf(text, sizeof text, format, a, b, c);
    return text;
}

std::string DateMDY(const LocalTime& t) { return Printed("%02d-%02d-%04d", t.Month, t.Day, t.Year); }
std::string TimeHMS(const LocalTime& t) { return Printed("%02d:%02d:%02d", t.Hour, t.Minute, t.Second); }
std::string TimeHM(const LocalTime& t) { return TimeHMS(t).substr(0, 5); }
std::string ShortDate(const LocalTime& t) { return Printed("%d/%d/%04d", t.Month, t.Day, t.Year); }
std::string DateTimeStamp(const LocalTime& t) { return DateMDY(t) + " " + TimeHMS(t); }
