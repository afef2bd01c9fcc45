#include "core/failure.h"

std::string FailureDescription(int number) {
    switch (number) {
        case kInvalidCall: return "Invalid procedure call or argument";
        case kOverflow: return "Overflow";
        case kOutOfMemory: return "Out of memory";
        case kSubscript: return "Subscript out of range";
        case kTypeMismatch: return "Type mismatch";
        case kBadFileName: return "Bad file name or number";
        case kFileNotFound: return "File not found";
        case kInputPastEnd: return "Input past end of file";
        case kDiskFull: return "Disk full";
        case kPermissionDenied: return "Permission denied";
        case kPathFileAccess: return "Path/File access error";
        case kPathNotFound: return "Path not found";
        case kUrlDecode: return "Invalid data passed to UrlDecode() function.";
        default: return "Application-defined or object-defined error";
    }
}

void Fail(int number) { throw RunFailure(number, FailureDescription(number)); }

void FailWithAdvice(int number, const std::string& advice) {
    throw RunFailure(number, FailureDescription(number), advice);
}

void EndRun() { throw RunEnded{}; }
