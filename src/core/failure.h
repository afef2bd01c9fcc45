// The one failure path: a run-time failure carries a number and a
// description and is caught once, by RequestEntry.
#pragma once

#include <stdexcept>
#include <string>

struct RunFailure : std::runtime_error {
    int Number;
    RunFailure(int number, const std::string& description)
        : std::runtime_error(description), Number(number) {}
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
[[noreturn]] void EndRun();
