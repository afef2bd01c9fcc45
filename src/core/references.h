// Form values are stored with their punctuation as decimal character
// references (&#44; for a comma); a browser shows them as the characters.
#pragma once

#include <string>

// The text as a page shows it: each reference "&#" digits ";" to a code
// from 1 to 255 becomes that byte, once (what it makes is not read again);
// any other text is kept as it is.
std::string DecodeCharacterReferences(const std::string& text);
