// The pick sheet machinery shared by the players' and administrator's pages,
// and the rows of the results tables.
#pragma once

#include <string>
#include <string_view>

// One game as a table row and its spacer row: each team and its radio
// button, the cell between them. A choice carried back in UWP marks its team.
void GameRow(std::string_view name1, std::string_view value1, std::string_view team1, std::string& mark1,
             std::string_view name2, std::string_view value2, std::string_view team2, std::string& mark2,
             std::string_view noradio);
// A results row as a game row with both sides chosen and no radio buttons:
// left and right bold in the team cells, middle bold in the middle cell.
void ResultRow(std::string_view left, std::string_view middle, std::string_view right);
void PickSheet(const std::string& period, std::string& path);
void SheetFormHead(const std::string& next);
void TieBreakerRow();
void EditPicksForm(const std::string& next);
// The saved picks shown carried to the pick sheet, to be changed.
void ChangePicksForm();
