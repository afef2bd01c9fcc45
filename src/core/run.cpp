#include "core/run.h"

static Run g_run;

Run& R() { return g_run; }

const std::string& CgiVar(const std::string& name) {
    static const std::string empty;
    auto it = g_run.CgiVars.find(name);
    return it == g_run.CgiVars.end() ? empty : it->second;
}
