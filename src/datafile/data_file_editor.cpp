#include "datafile/data_file_editor.h"

#include "cgi/output.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"
#include "game/periods.h"
#include "html/form_pieces.h"
#include "html/page_blocks.h"
#include "html/page_frame.h"
#include "users/admin_pages.h"

void RegViewTeamDataFile() {
    Run& r = R();
    r.CurrentRoutine = "RegViewTeamDataFile";
    MenuTop();
    PageCaption("<br><i>Edit Data File</i><br>");
    Send("<!-- AdminRegViewTDFile -->");
    Send(FormTag());
    OpenTextAreaTable("60", "15");
    TDFile();
    CloseTextAreaTable();
    Send(R"(    <input type="submit" name="Submit" value="Save File">)");
    HiddenField("ACTION", "TDF");
    HiddenField("XAI", r.LoginEmail);
    HiddenField("IAX", r.LoginPassword);
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

void SaveDataFile() {
    R().CurrentRoutine = "SaveDataFile";
    WriteFileAtomic(GameDataFilePath(), Trimm(R().CommentField) + "\r\n");
    RefreshWeekFile();
    AdminMainMenu();
}
