#include "core/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/failure.h"
#include "core/run.h"
#include "core/text.h"

void FailFromErrno(int err, bool reading) {
    switch (err) {
        case ENOENT: Fail(reading ? kFileNotFound : kPathNotFound);
        case ENOTDIR: Fail(kPathNotFound);
        case EACCES:
        case EPERM:
        case EROFS: Fail(kPermissionDenied);
        case ENAMETOOLONG: Fail(kBadFileName);
        case ENOSPC:
        case EDQUOT: Fail(kDiskFull);
        default: Fail(kPathFileAccess);
    }
}

namespace {

// A descriptor closed on every path out.
struct Fd {
    int fd;
    explicit Fd(int f) : fd(f) {}
    ~Fd() {
        if (fd >= 0) close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
};

int OpenOrFail(const std::string& path, int flags, bool reading) {
    if (path.empty()) Fail(kBadFileName);
    if ((flags & (O_WRONLY | O_RDWR)) != 0) ++R().ReadThisRun.FileWrites;
    int fd = open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) {
        int err = errno;
        if (err == ENOENT && reading) {
            // A missing folder is a different failure than a missing file.
            std::string folder = path.substr(0, path.find_last_of('/') + 1);
            struct stat st;
            if (!folder.empty() && stat(folder.c_str(), &st) != 0) Fail(kPathNotFound);
        }
        FailFromErrno(err, reading);
    }
    return fd;
}

// Writes every byte, at offset when it is not negative; a write that takes
// nothing is a full disk (the call sets no errno of its own then).
void WriteAll(int fd, const std::string& bytes, int64_t offset = -1) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = offset < 0 ? write(fd, p, left) : pwrite(fd, p, left, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) FailFromErrno(errno, false);
        if (n == 0) FailFromErrno(ENOSPC, false);
        p += n;
        left -= static_cast<size_t>(n);
        if (offset >= 0) offset += n;
    }
}

int64_t LengthOf(int fd) {
    struct stat st;
    if (fstat(fd, &st) != 0) FailFromErrno(errno, false);
    return st.st_size;
}

// Writes bytes through fd; when not all of them get there, the file is cut
// back to length, so no partial record stays behind.
void WriteOrCutBack(int fd, const std::string& bytes, int64_t offset, int64_t length) {
    try {
        WriteAll(fd, bytes, offset);
    } catch (...) {
        if (ftruncate(fd, length) != 0) {
            // The failure already names the cause; a failed cut cannot be helped.
        }
        throw;
    }
}

void WriteWholeOrNothing(int fd, const std::string& bytes, int64_t offset = -1) {
    WriteOrCutBack(fd, bytes, offset, LengthOf(fd));
}

// Writes bytes at byte at of the open file, which is length bytes long, and
// cuts off what lay beyond at first.
void WriteEndingAt(int fd, int64_t length, int64_t at, const std::string& bytes) {
    if (length > at && ftruncate(fd, at) != 0) FailFromErrno(errno, false);
    WriteOrCutBack(fd, bytes, at, std::min(length, at));
}

}  // namespace

bool FileExists(const std::string& path) {
    if (path.find_first_not_of(' ') == std::string::npos) return false;
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

uint64_t FileWritesSoFar() { return R().ReadThisRun.FileWrites; }

const std::vector<std::string>* LinesWhileUnchanged(const std::string& path, LinesRead& last) {
    if (!last.Read || last.Path != path || last.Writes != FileWritesSoFar()) {
        last.Exists = FileExists(path);
        last.Lines = last.Exists ? ReadTextLines(path) : std::vector<std::string>{};
        last.Path = path;
        last.Writes = FileWritesSoFar();
        last.Read = true;
    }
    return last.Exists ? &last.Lines : nullptr;
}

std::string ReadWholeFile(const std::string& path) {
    Fd f(OpenOrFail(path, O_RDONLY, true));
    std::string out;
    char buf[65536];
    for (;;) {
        ssize_t n = read(f.fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            FailFromErrno(errno, true);
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

std::string_view TextLineCursor::Next() {
    size_t lf = bytes_.find('\n', next_);
    size_t end = lf == std::string_view::npos ? bytes_.size() : lf;
    size_t length = end - next_;
    if (length > 0 && bytes_[end - 1] == '\r') --length;
    std::string_view line = bytes_.substr(next_, length);
    next_ = lf == std::string_view::npos ? bytes_.size() : lf + 1;
    return line;
}

size_t CountTextLines(std::string_view bytes) {
    size_t ends = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return ends + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

std::vector<std::string> SplitTextLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (TextLineCursor cursor(bytes); !cursor.AtEnd();) lines.emplace_back(cursor.Next());
    return lines;
}

std::vector<std::string> ReadTextLines(const std::string& path) { return SplitTextLines(ReadWholeFile(path)); }

std::string ReadSettingWord(const std::string& path, const std::string& missing) {
    if (!FileExists(path)) return missing;
    std::vector<std::string> lines = ReadTextLines(path);
    return lines.empty() ? "" : UCase(TrimBlanks(lines[0]));
}

// The file is seen in place, so only the pages up to the last line asked for
// are touched, and its bytes are copied once.
std::string ReadFirstTextBytes(const std::string& path, size_t count) {
    FileRanges file(path);
    std::string_view bytes = file.ViewWhole();
    size_t end = 0;
    for (size_t lineEnds = 0; lineEnds < count && end < bytes.size(); ++lineEnds) {
        size_t feed = bytes.find('\n', end);
        end = feed == std::string_view::npos ? bytes.size() : feed + 1;
    }
    return std::string(bytes.substr(0, end));
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void WriteWorkFile(const std::string& workPath, const std::string& content) {
    try {
        Fd f(OpenOrFail(workPath, O_WRONLY | O_CREAT | O_TRUNC, false));
        WriteAll(f.fd, content);
        if (fsync(f.fd) != 0 && errno != EINVAL) FailFromErrno(errno, false);
        if (close(f.fd) != 0) {
            f.fd = -1;
            FailFromErrno(errno, false);
        }
        f.fd = -1;
    } catch (...) {
        // A failed rewrite leaves no work file (it may hold passwords).
        unlink(workPath.c_str());
        throw;
    }
}

void WriteFileVia(const std::string& path, const std::string& workPath, const std::string& content) {
    WriteWorkFile(workPath, content);
    if (rename(workPath.c_str(), path.c_str()) != 0) {
        int err = errno;
        unlink(workPath.c_str());
        FailFromErrno(err, false);
    }
}

std::string WorkFileOf(const std::string& path) { return path + kWorkFileEnd; }

void WriteFileAtomic(const std::string& path, const std::string& content) {
    WriteFileVia(path, WorkFileOf(path), content);
}

void AppendToFile(const std::string& path, const std::string& content) {
    Fd f(OpenOrFail(path, O_WRONLY | O_CREAT | O_APPEND, false));
    // Appends are made under the folder lock, so the length before this one
    // is where its record starts.
    WriteWholeOrNothing(f.fd, content);
}

void AppendAt(const std::string& path, int64_t at, const std::string& bytes, bool sync) {
    Fd f(OpenOrFail(path, O_WRONLY | O_CREAT, false));
    WriteEndingAt(f.fd, LengthOf(f.fd), at, bytes);
    if (sync && fsync(f.fd) != 0 && errno != EINVAL) FailFromErrno(errno, false);
}

void AppendRecord(const std::string& path, const std::string& record) {
    Fd f(OpenOrFail(path, O_WRONLY | O_CREAT, false));
    int64_t length = LengthOf(f.fd);
    WriteEndingAt(f.fd, length, length - length % static_cast<int64_t>(record.size()), record);
}

void WriteAt(const std::string& path, int64_t offset, const std::string& bytes) {
    Fd f(OpenOrFail(path, O_WRONLY | O_CREAT, false));
    WriteWholeOrNothing(f.fd, bytes, offset);
}

FileRanges::FileRanges(const std::string& path) : fd_(OpenOrFail(path, O_RDONLY, true)) {}

FileRanges::~FileRanges() {
    Unmap();
    close(fd_);
}

void FileRanges::Unmap() {
    if (map_) munmap(map_, mapLength_);
    map_ = nullptr;
}

// A mapped window costs no copy of the bytes: a walk through a large file
// touches only the pages it reads, one window held at a time. Mapping all
// pages up front costs more than the faults, which map several at a time.
std::string_view FileRanges::View(int64_t offset, int64_t length) {
    Unmap();
    int64_t end = std::min(offset + length, Length());
    if (end <= offset) return {};
    int64_t start = offset - offset % sysconf(_SC_PAGESIZE);
    void* map = mmap(nullptr, static_cast<size_t>(end - start), PROT_READ, MAP_PRIVATE, fd_, start);
    if (map == MAP_FAILED) {
        Read(offset, length, buffer_);
        return buffer_;
    }
    map_ = map;
    mapLength_ = static_cast<size_t>(end - start);
    return {static_cast<const char*>(map) + (offset - start), static_cast<size_t>(end - offset)};
}

int64_t FileRanges::Length() const { return Status().st_size; }

struct stat FileRanges::Status() const {
    struct stat st;
    if (fstat(fd_, &st) != 0) FailFromErrno(errno, true);
    return st;
}

void FileRanges::Read(int64_t offset, int64_t length, std::string& buffer) const {
    buffer.resize(static_cast<size_t>(length));
    size_t got = 0;
    while (got < buffer.size()) {
        ssize_t n = pread(fd_, buffer.data() + got, buffer.size() - got, offset + static_cast<int64_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) FailFromErrno(errno, true);
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    buffer.resize(got);
}

std::string ReadFileRange(const std::string& path, int64_t offset, int64_t length) {
    std::string out;
    FileRanges(path).Read(offset, length, out);
    return out;
}

int64_t FileLength(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) FailFromErrno(errno, true);
    return st.st_size;
}

void RenameFile(const std::string& from, const std::string& to) {
    ++R().ReadThisRun.FileWrites;
    if (rename(from.c_str(), to.c_str()) != 0) FailFromErrno(errno, false);
}

void DeleteFileIfExists(const std::string& path) {
    ++R().ReadThisRun.FileWrites;
    if (unlink(path.c_str()) != 0 && errno != ENOENT) FailFromErrno(errno, false);
}

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
    closedir(dir);
    return names;
}

time_t FileChangedAt(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
}

bool NothingStoredAt(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    // A folder the run cannot read and write may hold anything.
    if (!S_ISDIR(st.st_mode) || faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK | X_OK, AT_EACCESS) != 0) return false;
    std::vector<std::string> names = FolderNames(path);
    return std::ranges::all_of(names, [](const std::string& name) { return name == "." || name == ".."; });
}

const std::string& LineReader::Next() {
    if (AtEnd()) Fail(kInputPastEnd);
    return lines_[next_++];
}
