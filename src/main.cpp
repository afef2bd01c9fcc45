#include <cstdlib>
#include <string>

#include "app/dispatcher.h"
#include "cgi/entry.h"
#include "core/run.h"

int main(int argc, char** argv) {
    R().ProgramFile = argc > 0 && argv[0] ? argv[0] : "";
    R().LeaveAfterPage = LeaveAfterPage;
    // The page is out and every file closed: what is left to free goes with
    // the process, sooner than destructor by destructor.
    std::_Exit(RequestEntry(ActionDispatcher));
}
