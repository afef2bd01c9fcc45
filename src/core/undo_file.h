// What takes the latest change of several files back: each file's bytes
// before the change and as the change left them, kept in one file of the pool.
#pragma once

#include <optional>
#include <string>
#include <vector>

class FileBatch;

// The undo file: the data file prefix + "__undo.dat". Its first line holds
// the change's stamp, a blank and its label. Then, for each file, a line of
// its length before the change, a blank, its length after it, a blank and
// its name in the data folder, followed by the bytes before and the bytes
// after. A length is "-" for no file, and "*" after the change for a file
// whose later bytes do not matter (they are not kept). Lines end in CR LF.
inline constexpr char kUndoFileEnd[] = "__undo.dat";
std::string UndoFilePath();

struct KeptFile {
    std::string Name;  // in the data folder
    std::optional<std::string> Before, After;  // none: no file
    bool Watched = true;  // the undo waits for the file to hold After
};

struct KeptChange {
    std::string Stamp;  // tells the change from every other one
    std::string Label;  // what the pages call it
    std::vector<KeptFile> Files;
};

// Keeps, with the batch, what takes its changes of the watched files and the
// others back; called once the batch holds all its changes, before Commit.
// A watched file the batch leaves as it is needs nothing.
void KeepUndo(FileBatch& batch, const std::string& label, const std::vector<std::string>& watched,
              const std::vector<std::string>& others);
// The change kept; none without an undo file or when it cannot be read.
std::optional<KeptChange> KeptUndo();
// True while every watched file holds what the change left.
bool StillAsLeft(const KeptChange& change);
// Every file back as it was before the change, and the undo file removed, with the batch.
void TakeBack(const KeptChange& change, FileBatch& batch);
