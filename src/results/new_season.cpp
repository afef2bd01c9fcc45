#include "results/new_season.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "cgi/form.h"
#include "cgi/output.h"
#include "core/clock.h"
#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/menu_top.h"
#include "game/periods.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/admin_menu.h"

namespace {

// After the data file prefix, the start of the names of what the last
// scoring run keeps to be undone: a new season cannot undo last season's.
constexpr char kUndoFilesStart[] = "__undo";

// The names of a season's files as their own routines make them, with "/"
// (never part of a file's name) where a period's number stands.
std::vector<std::string> SeasonFilePatterns() {
    std::vector<std::string> paths = {WeekFilePath(), OverallWinnersFilePath(), LockDateFilePath(),
                                      PicksFilePath("/"), WinningPicksFilePath("/"), TeamsFilePath("/"),
                                      PeriodWinnersFilePath("/"),
                                      // the standings' copies from before their last sort
                                      OverallWinnersFilePath() + ".bak", PeriodWinnersFilePath("/") + ".bak"};
    for (std::string& path : paths) path.erase(0, R().DataFolder.size());
    return paths;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    size_t mark = pattern.find('/');
    if (mark == std::string_view::npos) return name == pattern;
    std::string_view head = pattern.substr(0, mark), tail = pattern.substr(mark + 1);
    if (name.size() < head.size() + tail.size() || !name.starts_with(head) || !name.ends_with(tail)) return false;
    std::string_view number = name.substr(head.size(), name.size() - head.size() - tail.size());
    return number.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<std::string> SeasonFiles() {
    const Run& r = R();
    std::vector<std::string> patterns = SeasonFilePatterns(), files;
    std::string undo = r.DataFilePrefix + kUndoFilesStart;
    for (const std::string& name : FolderNames(r.DataFolder)) {
        bool season = name.starts_with(undo) ||
                      std::ranges::any_of(patterns, [&](const std::string& p) { return MatchesPattern(name, p); });
        if (season && FileExists(r.DataFolder + name)) files.push_back(r.DataFolder + name);
    }
    std::ranges::sort(files);
    return files;
}

// Named for the year the season began, the year of its oldest file: a
// season played from September into January is that September's. A
// folder that holds anything is never written into; an empty one is what
// a start killed before it took effect left.
std::string SeasonFolderFor(const std::vector<std::string>& files) {
    time_t oldest = time(nullptr);
    for (const std::string& file : files)
        if (time_t changed = FileChangedAt(file); changed > 0) oldest = std::min(oldest, changed);
    std::string year = "season-" + std::to_string(LocalTimeOf(oldest).Year), folder = year;
    for (int n = 2; !NothingStoredAt(R().DataFolder + folder); ++n) {
        // Names that cannot be looked at all end the search.
        if (n > 1000) Fail(kPathFileAccess);
        folder = year + "-" + std::to_string(n);
    }
    return folder;
}

struct SeasonEnd {
    std::vector<std::string> Files;  // the paths that move
    std::string Folder;              // where to, in the data folder
    std::string First, Last;         // the periods of the game data file
};

SeasonEnd PlanSeasonEnd() {
    std::string weekFile;
    LoadWeekFile(weekFile);
    SeasonEnd end;
    end.Files = SeasonFiles();
    end.Folder = SeasonFolderFor(end.Files);
    GetBeginandEndWeekOfDataFile(end.First, end.Last);
    return end;
}

std::string Refusal(const SeasonEnd& end) {
    if (!PoolHasEnded()) return "The Season Has Not Ended - Nothing Was Changed!";
    if (end.First.empty()) return "The Game Data File Has No Periods - Nothing Was Changed!";
    return "";
}

void WhatHappens(const SeasonEnd& end) {
    Send(FontTag("2", "#000099"));
    Send("The " + std::to_string(end.Files.size()) + " files of the season that ended move into the folder " +
         end.Folder + "/ of the pool: the week file, the standings and their .bak copies, the picks, winning picks, "
         "teams and standings of every period, the lock-out date and what undoes the last scoring.<br>");
    Send("The players and their statuses stay, and so do the comments, the activity log and the game data file.<br>");
    Send("The new season starts at Period " + end.First + " of the game data file as the editor shows it (Periods " +
         end.First + " to " + end.Last + ").<br>");
    Send("The pages cannot move the files back.<br>");
    Send("</font>");
}

}  // namespace

void ConfirmNewSeason() {
    R().CurrentRoutine = "ConfirmNewSeason";
    SeasonEnd end = PlanSeasonEnd();
    if (std::string refusal = Refusal(end); !refusal.empty()) {
        AdminMainMenuSaying(refusal);
        return;
    }
    MenuTop();
    PageCaption("<br><i>Start A New Season</i><br>");
    Send("<!-- ConfirmNewSeason -->");
    WhatHappens(end);
    FormTag();
    HiddenField("ACTION", "NEWSEASONFINAL");
    // The folder it names is taken once the season has moved: the form sent
    // again (Back, resubmit) then changes nothing.
    HiddenField("SEASON", end.Folder);
    LoginFields();
    SubmitButton("Start The New Season");
    Send("</form>");
    ReturnToAdminMenuForm();
    CentredPageEnd();
}

void StartNewSeason() {
    R().CurrentRoutine = "StartNewSeason";
    SeasonEnd end = PlanSeasonEnd();
    std::string sent = TrimBlanks(GetCgiValue("SEASON"));
    std::string refusal = !sent.empty() && sent != end.Folder
                              ? "A New Season Has Already Been Started - Nothing Was Changed!"
                              : Refusal(end);
    if (!refusal.empty()) {
        AdminMainMenuSaying(refusal);
        return;
    }
    // Every file moves and the week file is made anew together.
    FileBatch batch;
    for (const std::string& file : end.Files) batch.MoveInto(file, end.Folder);
    StartWeekFileAnew(batch);
    batch.Commit();
    AdminMainMenuSaying("A New Season Has Started At Period " + R().CurrentWeek + " - Last Season Is In The Folder " +
                        end.Folder + "!");
}
