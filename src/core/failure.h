// The one failure path: a run-time failure carries a number and a
// description and is caught once, by RequestEntry.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

struct RunFailure : std::runtime_error {
    int Number;
    std::string Advice;  // for an installation mistake: what to change, else ""
    RunFailure(int number, const std::string& description, std::string advice = "")
        : std::runtime_error(description), Number(number), Advice(std::move(advice)) {}
};

// Thrown by a page that ends the run itself; not a failure.
struct RunEnded {};

// The classic run-time numbers used by the failure path.
enum FailureNumber : int {
    kInvalidCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscript = 9,
    kTypeMismatch = 13,
    kBadFileName = 52,
    kFileNotFound = 53,
    kInputPastEnd = 62,
    kDiskFull = 61,
    kPermissionDenied = 70,
    kPathFileAccess = 75,
    kPathNotFound = 76,
    kUrlDecode = 65001,
};

std::string FailureDescription(int number);
[[noreturn]] void Fail(int number);
// A failure that an installation mistake causes, with the line that tells what to change.
[[noreturn]] void FailWithAdvice(int number, const std::string& advice);
// Ends the run after a whole page: throws RunEnded up to RequestEntry.
[[noreturn]] void EndRun();
