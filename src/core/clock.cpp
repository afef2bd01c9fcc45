#include "core/clock.h"

#include <cstdio>
#include <ctime>

LocalTime NowLocal() {
    time_t now = time(nullptr);
    struct tm tm {};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

static std::string Format(const char* pattern, int a, int b, int c) {
    char buf[64];
    snprintf(buf, sizeof buf, pattern, a, b, c);
    return buf;
}

std::string DateMDY(const LocalTime& t) { return Format("%02d-%02d-%04d", t.Month, t.Day, t.Year); }
std::string TimeHMS(const LocalTime& t) { return Format("%02d:%02d:%02d", t.Hour, t.Minute, t.Second); }
std::string TimeHM(const LocalTime& t) { return TimeHMS(t).substr(0, 5); }
std::string ShortDate(const LocalTime& t) { return Format("%d/%d/%04d", t.Month, t.Day, t.Year); }
std::string DateTimeStamp(const LocalTime& t) { return DateMDY(t) + " " + TimeHMS(t); }
