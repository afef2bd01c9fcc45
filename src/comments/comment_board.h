// The players' comment board.
#pragma once

#include <cstdint>
#include <string>

// The board page shows this many lines; the board file keeps no more.
inline constexpr int16_t kCommentLinesShown = 600;

void PostComments(const std::string& path);
// Stores the request's comment; one that is too long shows the entry page
// again with its text and the reason, and ends the run.
void AddComment(const std::string& path);
void ViewComments(const std::string& path, int16_t lineLimit);
// The entry text area, holding typed (as the form field gives it) when a
// comment comes back.
void CommentField(const std::string& typed = "");
