// Every byte of the answer leaves through these.
#pragma once

#include <cstddef>
#include <string>

// One line and CR LF. Lines are held and written in blocks of at most
// kOutputHeld bytes, in order; a failed write is ignored.
void Send(const std::string& line);
// Writes out what Send holds: at the end of the run and before anything
// that looks at standard output itself (the error page).
void FlushOutput();
inline constexpr size_t kOutputHeld = 64 * 1024;
void SendHeader(const std::string& title);
void SendFooter();
// A value between double quotes, for attribute values built at run time.
std::string Quoted(const std::string& value);
