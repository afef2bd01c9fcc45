// The help pages that the pages' help links open, carried in the program and
// written beside it when missing, as the images are.
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
// The whole HTML file of one help page.
std::string HelpPageHtml(const HelpPage& page);
// Unless a help address is set, fixes the pool's own help folder and its
// address and writes the pages missing there.
void WriteHelpPages();
