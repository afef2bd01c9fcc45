// The players' comment board.
#pragma once

#include <cstdint>
#include <string>

// The board page shows this many lines; the board file keeps no more.
inline constexpr int16_t kCommentLinesShown = 600;

void PostComments(const std::string& path);
void AddComment(const std::string& path);
void ViewComments(const std::string& path, int16_t lineLimit);
void CommentField();
