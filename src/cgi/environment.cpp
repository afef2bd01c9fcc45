#include "cgi/environment.h"

#include <unistd.h>

#include <cstring>

void ReadEnvironment(std::span<const std::string_view> names, std::span<std::string> values) {
    for (std::string& value : values) value.clear();
    size_t count = 0;
    while (environ && environ[count]) ++count;
    // From the last entry to the first: where a name is set twice, the
    // first setting is written last and wins, as with getenv.
    for (size_t entry = count; entry-- > 0;) {
        const char* text = environ[entry];
        const char* equals = std::strchr(text, '=');
        if (!equals) continue;
        size_t length = static_cast<size_t>(equals - text);
        // Most entries are none of the names: their lengths tell at once.
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i].size() == length && names[i].compare(0, length, text, length) == 0) values[i] = equals + 1;
    }
}
