// The pick sheet machinery shared by the players' and administrator's pages.
#pragma once

#include <string>

void GameRow(const std::string& name1, const std::string& value1, const std::string& team1, std::string& mark1,
             const std::string& name2, const std::string& value2, const std::string& team2, std::string& mark2,
             const std::string& noradio);
void PickSheet(const std::string& period, std::string& path);
void SheetFormHead(const std::string& next);
void TieBreakerRow();
void EditPicksForm(const std::string& next);
