// A run inside the test process: fresh run values, a temporary data folder,
// and standard output captured in a file, for the page pieces and routines
// that tests call directly.
#pragma once

#include "support/failure_of.h"

#include <functional>
#include <string>
#include <vector>

class InProcessRun {
public:
    InProcessRun();
    ~InProcessRun();
    InProcessRun(const InProcessRun&) = delete;
    InProcessRun& operator=(const InProcessRun&) = delete;

    // The data folder, ending in "/".
    const std::string& Folder() const { return folder_; }
    void Write(const std::string& name, const std::string& bytes) const;
    // The lines written to standard output since the last call.
    std::vector<std::string> TakeLines();

private:
    std::string folder_;
    std::string outPath_;
    int out_ = -1;
};

// Replaces the request's form by the pairs of a url-encoded text.
void SetForm(const std::string& encoded);
// The lines SendHeader writes for a title.
std::vector<std::string> HeaderLines(const std::string& title);
std::vector<std::string> CrLfLines(const std::string& bytes);
