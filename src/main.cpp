#include <cstdlib>
#include <string>

#include "app/dispatcher.h"
#include "cgi/entry.h"
#include "core/run.h"

int main(int argc, char** argv) {
    R().ProgramFile = argc > 0 && argv[0] ? argv[0] : "";
    // RequestEntry returns once the page is flushed and every data file
    // closed: a page that ends itself unwinds to it as a failure does. Ending
    // the process here skips the destructors of what is left, the run's
    // values and the library's own: only memory and descriptors (the folder
    // lock's among them), which the system takes back.
    std::_Exit(RequestEntry(ActionDispatcher));
}
