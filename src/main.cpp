#include <malloc.h>

#include <cstdlib>
#include <string>

#include "app/dispatcher.h"
#include "cgi/entry.h"
#include "core/run.h"

int main(int argc, char** argv) {
    // A run is short and its memory goes with the process: the heap grows in
    // larger steps and what is freed stays for the next allocation, instead
    // of being handed back and asked for again.
    mallopt(M_TOP_PAD, 1 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    R().ProgramFile = argc > 0 && argv[0] ? argv[0] : "";
    // The page is out and every file closed: what is left to free goes with
    // the process, sooner than destructor by destructor.
    std::_Exit(RequestEntry(ActionDispatcher));
}
