#include "results/standings.h"

#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/run.h"
#include "core/text.h"
#include "results/exchange_order.h"

StandingsFile::StandingsFile(const std::string& path) : path_(path) {
    exists_ = FileExists(path);
    if (exists_) bytes_ = ReadWholeFile(path);
}

std::string StandingsFile::Bytes() const { return rewritten_ ? JoinTextLines(lines_) : bytes_; }

const std::vector<std::string>& StandingsFile::Lines() {
    if (!parsed_) {
        lines_ = SplitTextLines(bytes_);
        parsed_ = true;
        indexed_ = false;
    }
    return lines_;
}

void StandingsFile::BuildIndex() {
    Lines();
    index_.clear();
    for (size_t i = 0; i < lines_.size(); i += 3) {
        std::string key = TrimBlanks(lines_[i]);
        if (!key.empty()) index_.emplace(key, i);
    }
    indexed_ = true;
}

void StandingsFile::PushLine(std::string text) {
    if (indexed_ && lines_.size() % 3 == 0) {
        std::string key = TrimBlanks(text);
        if (!key.empty()) index_.emplace(key, lines_.size());
    }
    lines_.push_back(std::move(text));
}

void StandingsFile::AppendLines(const std::vector<std::string>& lines) {
    if (rewritten_) {
        for (const std::string& line : lines) PushLine(line);
    } else {
        // An append lands after whatever the file ends with, line end or not.
        bytes_ += JoinTextLines(lines);
        parsed_ = false;
    }
    exists_ = true;
    changed_ = true;
}

void StandingsFile::AddPoints(const std::string& name, int16_t points) {
    Run& r = R();
    r.CurrentRoutine = "UpdateAWinnerFileOverallOrWeekly";
    std::string key = TrimBlanks(name);
    std::vector<std::string> record = {key, NumText(points), " "};
    if (!exists_) {
        lines_ = std::move(record);
        parsed_ = rewritten_ = exists_ = changed_ = true;
        indexed_ = false;
        r.CurrentRoutine = "UpdateAWinnerFileOverallOrWeekly8";
        return;
    }
    r.CurrentRoutine = "UpdateAWinnerFileOverallOrWeekly2";
    if (!indexed_ || !parsed_) BuildIndex();
    auto found = index_.find(key);
    if (found != index_.end()) {
        size_t at = found->second;
        if (at + 2 >= lines_.size()) Fail(kInputPastEnd);
        lines_[at + 1] = NumText(CInt(Val(TrimBlanks(lines_[at + 1])) + points));
    } else {
        for (std::string& line : record) PushLine(std::move(line));
    }
    rewritten_ = changed_ = true;
    // The rewrite goes through the .bak, which is deleted afterwards.
    backup_ = Backup::Removed;
    r.CurrentRoutine = "UpdateAWinnerFileOverallOrWeekly8";
}

void StandingsFile::Sort() {
    R().CurrentRoutine = "SortWinnersThisWeek";
    if (!exists_) return;
    backupBytes_ = Bytes();
    backup_ = Backup::Written;
    const std::vector<std::string>& lines = Lines();
    if (lines.size() % 3 != 0) Fail(kInputPastEnd);
    size_t n = lines.size() / 3;
    // One record is left as it is; none is an empty file either way.
    if (n < 2) return;
    std::vector<double> points(n);
    for (size_t k = 0; k < n; ++k) points[k] = Val(TrimBlanks(lines[3 * k + 1]));
    std::vector<std::string> sorted;
    sorted.reserve(lines.size());
    for (size_t k : ExchangeSortOrder(points))
        for (size_t i = 3 * k; i < 3 * k + 3; ++i) sorted.push_back(std::move(lines_[i]));
    lines_ = std::move(sorted);
    rewritten_ = changed_ = true;
    indexed_ = false;
}

void StandingsFile::Save(FileBatch& batch) const {
    std::string backupPath = path_ + ".bak";
    if (backup_ == Backup::Written) batch.Write(backupPath, backupBytes_);
    if (backup_ == Backup::Removed) batch.Delete(backupPath);
    if (changed_) batch.Write(path_, Bytes());
}
