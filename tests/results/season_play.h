// Plays a season through the pages' own forms, as browsers would.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

// Picks the teams ('0' first, '1' second, ' ' open) on the sheet (USERPICS1)
// or the winners (ENTERWINNERS2), then sends the confirmation form back as
// the browser would.
inline void PlayPick(const Pool& pool, const std::string& email, const std::string& action,
                     const std::string& picks, const std::string& guess) {
    Fields sheet = {{"LINENUMBER", std::to_string(picks.size())}, {"TIEBREAKER", guess}};
    for (size_t i = 0; i < picks.size(); ++i)
        if (picks[i] != ' ') sheet.push_back({"C" + std::to_string(i + 1), std::string(1, picks[i])});
    bool player = action == "USERPICS1";
    CgiAnswer confirmation = pool.Act(action, email, "pw", sheet);
    CgiAnswer answer = pool.Post(FormFields(confirmation, player ? "USERPICS2" : "ENTERWINNERSFINAL"));
    EXPECT_EQ(answer.Errors, "");
    EXPECT_TRUE(answer.HasLine(player ? "<!-- MainMenu -->" : "<!-- AdminMainMenu -->"));
}
