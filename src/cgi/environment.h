// The environment the web server started the program with.
#pragma once

#include <span>
#include <string>
#include <string_view>

// Sets values[i] to the variable names[i] as getenv would give it, "" when
// it is not set, in one walk of the environment: getenv walks it once per
// name, and a run asks for some thirty.
void ReadEnvironment(std::span<const std::string_view> names, std::span<std::string> values);
