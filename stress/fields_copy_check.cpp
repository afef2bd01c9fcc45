// Checks a pool's copy of the fields of its user file for the stress runs:
// wherever the program takes the copy to describe the user file, each entry
// must be that record's fields. Exits 1 naming the first record that differs.
// fields_copy_check FOLDER
// fields_copy_check --layout prints, as shell assignments, the record lengths
// and field places the stress scripts need, so that they restate none.
#include <cstdio>
#include <string>
#include <string_view>

#include "core/activity_log.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/run.h"
#include "users/user_fields.h"
#include "users/user_record.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    if (std::string_view(argv[1]) == "--layout") {
        std::printf("USER_RECORD=%lld USER_LAST_ACCESS=%zu USER_STATUS=%zu LOG_RECORD=%zu\n",
                    static_cast<long long>(kUserRecordLength), kUserLastAccess.Offset, kUserStatus.Offset,
                    kActivityRecordLength);
        return 0;
    }
    R().DataFolder = std::string(argv[1]) + "/";
    R().DataFilePrefix = "ZRP";
    if (!FileExists(UserFilePath())) return 0;
    std::string users = ReadWholeFile(UserFilePath());
    int32_t wrong = 0;
    ForEachUserFieldBytes(false, [&](int32_t number, std::string_view fields) {
        size_t at = static_cast<size_t>(number - 1) * kUserRecordLength;
        if (fields != std::string_view(users).substr(at, kUserFieldsLength)) wrong = number;
        return wrong == 0;
    });
    if (wrong) std::printf("%s: the copy of the fields fits the user file but not record %d\n", argv[1], wrong);
    return wrong ? 1 : 0;
}
