// The server's local date and time, in the forms the pages and files use.
#pragma once

#include <ctime>
#include <string>

struct LocalTime {
    int Year, Month, Day, Hour, Minute, Second;
};

LocalTime NowLocal();
// The local date and time of a moment (a file's change).
LocalTime LocalTimeOf(time_t at);
// The local date and time of the same clock time that many days from now.
LocalTime LocalTimeInDays(int days);
std::string DateMDY(const LocalTime& t);   // mm-dd-yyyy
std::string TimeHMS(const LocalTime& t);   // hh:mm:ss
std::string TimeHM(const LocalTime& t);    // hh:nn
std::string ShortDate(const LocalTime& t); // m/d/yyyy
// "mm-dd-yyyy hh:mm:ss", the stamp of user records and comments.
std::string DateTimeStamp(const LocalTime& t);
