// Settings of the installation. Each has a default here; the web server may
// pass another value in the environment variable named beside it.
#pragma once

// ZRP_CONTACT_EMAIL: shown on the error page as the person to write to.
inline constexpr const char* kAdminContactEmail = "poolmaster@example.com";
// ZRP_HELP_URL: the address of the help pages' folder, ending in "/". Without
// it the pool writes its own help pages into this folder beside the program.
inline constexpr const char* kHelpFolderName = "zrphelp/";
// ZRP_HEADER_LINK: where a click on the header picture leads.
inline constexpr const char* kImageMapUrl = "http://www.example.com/";
// ZRP_COPYRIGHT: the copyright line of every page footer.
inline constexpr const char* kCopyright = "Copyright &copy; 2026 The Zarn Pool Online! team. All rights reserved.";
// ZRP_MAX_REQUEST: the largest request body read, in bytes; a longer one ends in the error page.
inline constexpr long kMaxContentLength = 1048576;

// Takes each setting from the environment, else its default.
void ReadInstallationSettings();
