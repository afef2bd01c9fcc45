// File access for every data file: whole-file reads, atomic rewrites,
// appends in one write, and the failure numbers of file errors.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// True when path names an existing ordinary file (no wildcards needed here).
bool FileExists(const std::string& path);
// A small file's lines as last read in this run, and the run's writes then.
struct LinesRead {
    std::string Path;
    uint64_t Writes = 0;
    bool Read = false, Exists = false;
    std::vector<std::string> Lines;
};
// How many times this run has written, created, cut, renamed or removed a
// file through the routines of this file: what a run read stays as it was
// read while the count stays, since the folder lock keeps other runs out.
uint64_t FileWritesSoFar();
// The lines of the file at path, or nullptr without it; read again only
// after the run has written files since it was read into last: a page asks
// for the week and lock-out files more than once.
const std::vector<std::string>* LinesWhileUnchanged(const std::string& path, LinesRead& last);
// The whole file; failure 53 (or 76, 70, 75) when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// The lines of a text file: CR LF or LF ends, no CR kept, no empty last
// piece after the final line end.
std::vector<std::string> ReadTextLines(const std::string& path);
std::vector<std::string> SplitTextLines(const std::string& bytes);
// The same lines one at a time, seen in place in bytes that outlive it.
class TextLineCursor {
public:
    explicit TextLineCursor(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return next_ >= bytes_.size(); }
    std::string_view Next();

private:
    std::string_view bytes_;
    size_t next_ = 0;
};
// How many lines SplitTextLines would give, without making them.
size_t CountTextLines(std::string_view bytes);
// The bytes of the first count lines (up to the last of their line feeds),
// reading the file only as far as they reach, to be seen in place.
std::string ReadFirstTextBytes(const std::string& path, size_t count);
// The first line of a setting file, trimmed and upper-cased ("" when the
// file is empty); missing while there is no file.
std::string ReadSettingWord(const std::string& path, const std::string& missing);
// Lines joined, each ended with CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

// The ending of the work file beside a file that a rewrite writes first.
inline constexpr char kWorkFileEnd[] = ".new";
std::string WorkFileOf(const std::string& path);
// Writes content to the work file beside path (WorkFileOf) and renames it
// over path, so readers see the old file or the new one, never half of one.
void WriteFileAtomic(const std::string& path, const std::string& content);
// Same, through a named work file that is started empty. A failure removes
// the work file.
void WriteFileVia(const std::string& path, const std::string& workPath, const std::string& content);
// Writes a work file whole and to the disk; a failure removes it.
void WriteWorkFile(const std::string& workPath, const std::string& content);
// Appends content with O_APPEND (creating the file); when not all of it can
// be written the file is cut back to its old length and the run fails.
void AppendToFile(const std::string& path, const std::string& content);
// Writes bytes at byte at of the file (creating it), which then ends after
// them: what lay beyond at, such as a record that a killed append left cut
// short, is cut off first. When not all of them can be written the file is
// cut back to at bytes and the run fails. With sync they reach the disk.
void AppendAt(const std::string& path, int64_t at, const std::string& bytes, bool sync = false);
// Appends a record of fixed length after the whole records of the file,
// over the piece of one that a killed append left.
void AppendRecord(const std::string& path, const std::string& record);
// Writes bytes at an offset (creating the file), for fixed-length records;
// a failed write leaves the file no longer than it was.
void WriteAt(const std::string& path, int64_t offset, const std::string& bytes);
// Up to length bytes from offset (fewer at the end of the file).
std::string ReadFileRange(const std::string& path, int64_t offset, int64_t length);
int64_t FileLength(const std::string& path);

// A file opened once and read in pieces at chosen offsets, for readers that
// walk a large file without holding it.
class FileRanges {
public:
    explicit FileRanges(const std::string& path);
    ~FileRanges();
    FileRanges(const FileRanges&) = delete;
    FileRanges& operator=(const FileRanges&) = delete;
    int64_t Length() const;
    // What fstat tells of the open file.
    struct stat Status() const;
    // Up to length bytes from offset into buffer (fewer at the end of the file).
    void Read(int64_t offset, int64_t length, std::string& buffer) const;
    // The same bytes seen in place where the file can be mapped, else read
    // into a buffer; valid until the next View.
    std::string_view View(int64_t offset, int64_t length);
    std::string_view ViewWhole() { return View(0, Length()); }

private:
    void Unmap();
    int fd_;
    void* map_ = nullptr;
    size_t mapLength_ = 0;
    std::string buffer_;
};
// Renames from over to, failing as a write does.
void RenameFile(const std::string& from, const std::string& to);
void DeleteFileIfExists(const std::string& path);
// The names of a folder's entries ("." and ".." among them); none when it
// cannot be read.
std::vector<std::string> FolderNames(const std::string& folder);
// When the file at path last changed (0 when it cannot be seen).
time_t FileChangedAt(const std::string& path);
// True when nothing is at path, or an empty folder the run can write in.
bool NothingStoredAt(const std::string& path);

// Reads a text file line by line the way the stored formats expect:
// asking past the last line is failure 62.
class LineReader {
public:
    explicit LineReader(const std::string& path) : lines_(ReadTextLines(path)) {}
    explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    bool AtEnd() const { return next_ >= lines_.size(); }
    const std::string& Next();

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
};

// Maps the errno of a failed file call to the run-time failure.
[[noreturn]] void FailFromErrno(int err, bool reading);
