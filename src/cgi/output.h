// Every byte of the answer leaves through these.
#pragma once

#include <string>

// One line and CR LF, in one write; a failed write is ignored.
void Send(const std::string& line);
void SendHeader(const std::string& title);
void SendFooter();
// A value between double quotes, for attribute values built at run time.
std::string Quoted(const std::string& value);
