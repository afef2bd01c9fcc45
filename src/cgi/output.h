// Every byte of the answer leaves through these.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// One line and CR LF. Lines are held and written in blocks of at most
// kOutputHeld bytes, in order; a line longer than a block goes straight out.
// A failed write is ignored.
void Send(std::string_view line);
// The pieces, in order, as one line and CR LF, held and written as Send does.
// A piece may hold CR LF itself, so that a few lines go out together.
void SendLine(std::initializer_list<std::string_view> pieces);
// Writes out what Send holds: at the end of the run and before anything
// that looks at standard output itself (the error page).
void FlushOutput();
inline constexpr size_t kOutputHeld = 64 * 1024;
void SendHeader(const std::string& title);
void SendFooter();
// The header of a download: a CSV file in the pool's own code page, saved
// under fileName.
void SendCsvHeader(std::string_view fileName);
// A value between double quotes, for attribute values built at run time.
std::string Quoted(std::string_view value);
