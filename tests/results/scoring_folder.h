// An in-process pool folder for the scoring routines: a fresh temporary data
// folder with the run's values pointing at it.
#pragma once

#include "support/failure_of.h"
#include "support/run_folder.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/run.h"

class ScoringFolder {
public:
    // Resets the run and points it at a fresh folder.
    ScoringFolder();
    ~ScoringFolder();
    ScoringFolder(const ScoringFolder&) = delete;
    ScoringFolder& operator=(const ScoringFolder&) = delete;

    // Points the run at this folder again (after another folder was used).
    void Enter() const;
    std::string PathOf(const std::string& name) const { return folder_ + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // Every file of the folder with its bytes.
    std::map<std::string, std::string> Contents() const;

    // A three-line standings file or picks file from records of three lines.
    void WriteLines(const std::string& name, const std::vector<std::string>& lines) const;
    void WriteUsers(const std::vector<UserRecord>& users) const;

private:
    std::string folder_;  // ends in "/"
};

