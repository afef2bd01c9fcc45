// The pick sheet machinery shared by the players' and administrator's pages.
#pragma once

#include <string>

// The font every sheet cell text starts with.
std::string CellFont();

std::string TeamCell(const std::string& name, const std::string& value, const std::string& team,
                     const std::string& mark, const std::string& noradio);
void GameRow(const std::string& name1, const std::string& value1, const std::string& team1, std::string& mark1,
             const std::string& name2, const std::string& value2, const std::string& team2, std::string& mark2,
             const std::string& noradio);
void PickSummaryRow(const std::string& line);
void PickSheet(const std::string& period, std::string& path);
void SheetFormHead(const std::string& next);
void TieBreakerRow();
void EditPicksForm(const std::string& next);
