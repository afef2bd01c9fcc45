#include "cgi/settings.h"

#include <cstdlib>

#include "core/run.h"
#include "core/text.h"

// A setting passed but left empty counts as not passed.
static std::string Setting(const char* name, const std::string& fallback) {
    const char* passed = getenv(name);
    std::string text = TrimBlanks(passed ? passed : "");
    return text.empty() ? fallback : text;
}

// Only a whole number of bytes that a request length can hold replaces the default.
static long RequestLimit(const std::string& passed) {
    bool digits = passed.size() <= 9 && passed.find_first_not_of("0123456789") == std::string::npos;
    long limit = digits ? std::atol(passed.c_str()) : 0;
    return limit > 0 ? limit : kMaxContentLength;
}

void ReadInstallationSettings() {
    Run& r = R();
    r.AdminContactEmail = Setting("ZRP_CONTACT_EMAIL", kAdminContactEmail);
    r.HelpBaseUrl = Setting("ZRP_HELP_URL", "");
    r.ImageMapUrl = Setting("ZRP_HEADER_LINK", kImageMapUrl);
    r.Copyright = Setting("ZRP_COPYRIGHT", kCopyright);
    r.MaxContentLength = RequestLimit(Setting("ZRP_MAX_REQUEST", ""));
}
