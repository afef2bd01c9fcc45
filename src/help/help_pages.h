// The help pages that the pages' help links open, carried in the program and
// written where the images are when missing.
#pragma once

#include <string>
#include <vector>

struct HelpPage {
    const char* FileName;  // as the help links name it, lower case
    const char* Title;
    const char* Body;  // HTML paragraphs
};

// Every help page, the contents page "index.html" first.
const std::vector<HelpPage>& HelpPages();
// Unless a help address is set, fixes the pool's own help folder beside
// the images and its address, and writes the pages missing there; a folder
// that cannot be written is logged, and the pages go on without their help.
void WriteHelpPages();
