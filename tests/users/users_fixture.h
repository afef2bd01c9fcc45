// Shared pieces of the players' tests: a pool with a season, users written
// by hand, and the content of a page between its banner and its footer.
#pragma once

#include <string>
#include <vector>

#include "support/cgi_pool.h"

inline const std::string kFace = "\"Verdana, Arial, Helvetica, sans-serif\"";
inline const std::string kOldStamp = "01-01-2000 00:00:00";
inline const std::string kForm = "<FORM METHOD=\"POST\" ACTION=\"http://pool.test/cgi-bin/zrp.exe\">";
inline const std::string kTitle = "  <p><b> <font face=" + kFace + " size=\"2\" color=\"#000099\">";

// One 1695-byte user record as the user file holds it.
std::string UserBytes(const std::string& email, const std::string& password, const std::string& realName,
                      const std::string& status, const std::string& lastAccess = kOldStamp);

// A pool with a two-period season, the administrator BIG BOSS
// (boss@x.com / BOSSPW) and the player PLAYER ONE (one@x.com / PW1).
struct SeasonPool {
    Pool pool;
    SeasonPool();
    std::string Users() const { return pool.Read("ZRPform_user.dat"); }
};

// The lines after the banner up to the footer (to the end when there is
// none); decoy values read "?" and image sources keep their file name only.
std::vector<std::string> Content(const CgiAnswer& answer);
// A hidden field line as the pages write it.
std::string HiddenLine(const std::string& name, const std::string& value);
// The decoys and the scrambled login fields of a page's first form.
std::vector<std::string> Credentials(const std::string& email, const std::string& password);
void Append(std::vector<std::string>& to, const std::vector<std::string>& lines);
