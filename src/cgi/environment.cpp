#include "cgi/environment.h"

#include <unistd.h>

#include <cstdint>
#include <cstring>

// One of 64 bits by a name's length and first byte: an entry whose bit no
// name asked for has is passed over at once.
static uint64_t KeyBit(size_t length, char first) {
    return uint64_t{1} << ((length * 8 + static_cast<unsigned char>(first)) & 63);
}

void ReadEnvironment(std::span<const std::string_view> names, std::span<std::string> values) {
    for (std::string& value : values) value.clear();
    uint64_t keys = 0;
    for (std::string_view name : names) keys |= KeyBit(name.size(), name.empty() ? '=' : name[0]);
    size_t count = 0;
    while (environ && environ[count]) ++count;
    // From the last entry to the first: where a name is set twice, the
    // first setting is written last and wins, as with getenv.
    for (size_t entry = count; entry-- > 0;) {
        const char* text = environ[entry];
        const char* equals = std::strchr(text, '=');
        if (!equals) continue;
        size_t length = static_cast<size_t>(equals - text);
        if (!(keys & KeyBit(length, text[0]))) continue;
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i].size() == length && names[i].compare(0, length, text, length) == 0) values[i] = equals + 1;
    }
}
