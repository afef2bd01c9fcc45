// A run inside the test process: fresh run values pointing at an empty
// temporary data folder, and standard output captured in a file, for the
// routines and page pieces that tests call directly.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/run.h"
#include "support/failure_of.h"

class RunFolder {
public:
    RunFolder();
    ~RunFolder();

    // Points a fresh run at this folder again (after another run was used).
    void Enter() const;
    // The data folder, ending in "/".
    const std::string& Folder() const { return folder_; }
    std::string PathOf(const std::string& name) const { return folder_ + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    void WriteLines(const std::string& name, const std::vector<std::string>& lines) const;
    void WriteUsers(const std::vector<UserRecord>& users) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // Every file of the folder with its bytes.
    std::map<std::string, std::string> Contents() const;
    // The lines written to standard output since the last call.
    std::vector<std::string> TakeLines();

private:
    std::string folder_;
    std::string outPath_;
    int out_ = -1;
};

// "A/1/ " as file bytes, a line per "/"-separated part.
std::string SlashLines(const std::string& parts);

UserRecord Player(const std::string& email, const std::string& name, const std::string& status = "USER");
