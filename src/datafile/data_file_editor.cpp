#include "datafile/data_file_editor.h"

#include <functional>

#include "cgi/output.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "datafile/data_file_check.h"
#include "game/menu_top.h"
#include "game/periods.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/admin_menu.h"

namespace {

// The editor page; content writes the text area's lines, and notice (when
// not empty) says why the typed file was not saved.
void EditorPage(const std::string& notice, const std::function<void()>& content) {
    R().CurrentRoutine = "RegViewTeamDataFile";
    MenuTop();
    PageCaption("<br><i>Edit Data File</i><br>");
    Send("<!-- AdminRegViewTDFile -->");
    if (!notice.empty()) NoticeLine(notice);
    FormTag();
    // Soft wrapping only: the browser sends each game line as one line.
    OpenTextAreaTable("60", "15", "soft");
    content();
    CloseTextAreaTable();
    Send(R"(    <input type="submit" name="Submit" value="Save File">)");
    HiddenField("ACTION", "TDF");
    LoginFields();
    Send("</form>");
    Send("<br>");
    ReturnToAdminMenuForm();
    CentredPageEnd();
}

void TDFile() {
    R().CurrentRoutine = "TDFile";
    if (!FileExists(GameDataFilePath())) {
        Send("Please See " + R().HelpBaseUrl + "teamdatafile1.html for help!");
        return;
    }
    for (const std::string& line : ReadTextLines(GameDataFilePath())) {
        std::string trimmed = Trimm(line);
        if (!trimmed.empty()) Send(trimmed);
    }
}

}  // namespace

void RegViewTeamDataFile() { EditorPage("", TDFile); }

void SaveDataFile() {
    R().CurrentRoutine = "SaveDataFile";
    std::string text = Trimm(R().CommentField);
    // A file the pages could not read is not saved: the administrator gets
    // his text back, line for line, to mend it.
    std::string bad = FirstBadDataFileLine(text);
    if (!bad.empty()) {
        EditorPage("File Not Saved! " + bad, [&] {
            for (const std::string& line : SplitTextLines(text)) Send(line);
        });
        return;
    }
    // The game data file and the week file that fits it change together.
    FileBatch batch;
    batch.Write(GameDataFilePath(), text + "\r\n");
    RefreshWeekFile(batch);
    batch.Commit();
    AdminMainMenu();
}
