// The players' comment board.
#pragma once

#include <cstdint>
#include <string>

void PostComments(const std::string& path);
void AddComment(const std::string& path);
void ViewComments(const std::string& path, int16_t lineLimit);
void CommentField();
