#include "core/run.h"

static Run g_run;

Run& R() { return g_run; }

const std::string& CgiVar(std::string_view name) {
    static const std::string empty;
    for (size_t i = 0; i < kCgiVariables.size(); ++i)
        if (kCgiVariables[i] == name) return g_run.CgiVars[i];
    return empty;
}
