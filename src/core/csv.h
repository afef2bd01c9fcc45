// Comma-separated values as spreadsheets read them (RFC 4180).
#pragma once

#include <string>
#include <vector>

// One row without its line end: the fields joined by commas, a field in
// double quotes when it holds a comma, a double quote or a line break, its
// quotes doubled; a field that begins with = + - @ or a tab or CR begins
// with an apostrophe.
std::string CsvRow(const std::vector<std::string>& fields);
