#include <string>

#include "app/dispatcher.h"
#include "cgi/entry.h"
#include "core/run.h"

int main(int argc, char** argv) {
    R().ProgramFile = argc > 0 && argv[0] ? argv[0] : "";
    return RequestEntry(ActionDispatcher);
}
