// The number of the run-time failure a call ends in; 0 when it ends normally.
#pragma once

#include <functional>

#include "core/failure.h"

inline int FailureOf(const std::function<void()>& call) {
    try { call(); } catch (const RunFailure& failure) { return failure.Number; }
    return 0;
}
