#include "game/picks_store.h"

#include <gtest/gtest.h>

#include <random>

#include "core/name_key.h"
#include "core/text.h"
#include "support/run_folder.h"

// A first lookup finds what a line-by-line walk of the whole records finds:
// lines of every length, with and without CR (or with two), names in other
// cases (Latin-1 letters too) and names standing in the picks or guess
// lines; a record cut short at the end, with fewer than three lines or its
// last without a line feed, is none.
TEST(GamePicksStore, FirstLookupFindsWhatALineByLineWalkFinds) {
    RunFolder folder;
    std::mt19937 random(7);
    const std::vector<std::string> names = {"ANN", "ann ", " BOB", "CY", "", "A LONGER NAME THAN EIGHT", "jos\xE9"};
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines;
        std::vector<size_t> ends;  // of each line in bytes
        std::string bytes;
        for (int n = static_cast<int>(random() % 40); n > 0; --n) {
            std::string line = random() % 4 ? std::string(random() % 19, static_cast<char>('0' + random() % 2))
                                            : names[random() % names.size()];
            std::string end = random() % 3 ? "\r\n" : random() % 2 ? "\n" : "\r\r\n";
            lines.push_back(end == "\r\r\n" ? line + "\r" : line);
            bytes += line + end;
            ends.push_back(bytes.size());
        }
        bool cut = random() % 2 && !bytes.empty();
        if (cut) bytes.pop_back();
        size_t wholeLines = lines.size() - lines.size() % 3 - (cut && lines.size() % 3 == 0 ? 3 : 0);
        folder.Write("ZRPpicks1_.dat", bytes);
        PicksFile file(folder.PathOf("ZRPpicks1_.dat"));
        EXPECT_EQ(file.WholeLength(), static_cast<int64_t>(wholeLines ? ends[wholeLines - 1] : 0)) << bytes;
        for (const char* name : {"ANN", "bob", "CY", "A longer name than eight", "DAN", "JOS\xC9"}) {
            long expected = -1;
            for (size_t n = 0; n < wholeLines && expected < 0; n += 3)
                if (MatchesNameKey(lines[n], UCase(TrimBlanks(name)))) expected = static_cast<long>(n);
            EXPECT_EQ(PicksFile(folder.PathOf("ZRPpicks1_.dat")).Find(name), expected) << bytes;
        }
    }
}
