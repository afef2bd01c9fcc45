// A player's real name is his key in the picks and standings files, so a
// name is stored only when it is not blank and no other player has it.
#pragma once

#include <cstdint>
#include <string>

enum class RealNameRefusal { None, Blank, Taken };

// Whether a typed name may be stored for the record ownRecord (0 for a new
// player): names are compared as the records keep them, whatever the case
// and the blanks around them; a player may always keep the name he has.
RealNameRefusal RefuseRealName(const std::string& typed, int32_t ownRecord);
