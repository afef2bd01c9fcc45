#include "cgi/settings.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "cgi/environment.h"
#include "core/run.h"
#include "core/text.h"

namespace {

enum Setting { kContact, kHelpUrl, kHeaderLink, kCopyrightLine, kMaxRequest, kSettings };
constexpr std::array<std::string_view, kSettings> kSettingNames = {"ZRP_CONTACT_EMAIL", "ZRP_HELP_URL",
                                                                   "ZRP_HEADER_LINK", "ZRP_COPYRIGHT",
                                                                   "ZRP_MAX_REQUEST"};

// A setting passed but left empty counts as not passed.
std::string Chosen(const std::string& passed, const std::string& fallback) {
    std::string text = TrimBlanks(passed);
    return text.empty() ? fallback : text;
}

// Only a whole number of bytes that a request length can hold replaces the default.
long RequestLimit(const std::string& passed) {
    std::string text = TrimBlanks(passed);
    bool digits = !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
    long limit = digits ? std::atol(text.c_str()) : 0;
    return limit > 0 ? limit : kMaxContentLength;
}

}  // namespace

void ReadInstallationSettings() {
    Run& r = R();
    std::array<std::string, kSettings> passed;
    ReadEnvironment(kSettingNames, passed);
    r.AdminContactEmail = Chosen(passed[kContact], kAdminContactEmail);
    r.HelpBaseUrl = Chosen(passed[kHelpUrl], "");
    r.ImageMapUrl = Chosen(passed[kHeaderLink], kImageMapUrl);
    r.Copyright = Chosen(passed[kCopyrightLine], kCopyright);
    r.MaxContentLength = RequestLimit(passed[kMaxRequest]);
}
