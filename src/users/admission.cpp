#include "users/admission.h"

#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

std::string StoredNewUserPolicy() { return ReadSettingWord(NewUserStatusFilePath(), "ALLOWALL"); }

void LoadNewUserStatus() { R().NewUserPolicy = StoredNewUserPolicy(); }

void SaveNewUserStatus(FileBatch& batch) { batch.Write(NewUserStatusFilePath(), JoinTextLines({R().NewUserPolicy})); }
