// Settings of the installation: change them here and rebuild.
#pragma once

// Shown on the error page as the person to write to.
inline constexpr const char* kAdminContactEmail = "poolmaster@example.com";
// The help site's folder; the pages' help links open pages below it.
inline constexpr const char* kHelpBaseUrl = "http://help.example.com/zrphelp/";
// Where a click on the header picture leads.
inline constexpr const char* kImageMapUrl = "http://www.example.com/";
// The copyright line of every page footer: its first word, then the rest.
inline constexpr const char* kCopyrightFirstWord = "Copyright";
inline constexpr const char* kCopyrightRest = "&copy; 2026 The Zarn Pool Online! team. All rights reserved.<br>";
// The largest request body read; a longer one ends in the error page.
inline constexpr long kMaxContentLength = 1048576;
