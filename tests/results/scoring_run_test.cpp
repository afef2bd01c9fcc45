#include "results/scoring_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/file_batch.h"
#include "core/text.h"
#include "support/run_folder.h"

namespace {

void UpdateWinnerForThisWeek() {
    FileBatch batch;
    ::UpdateWinnerForThisWeek(batch);
    batch.Commit();
}

}  // namespace

// Awkward pools scored once (period 1 of two games won by 01, 35 for the
// tie-break): the standings files, their .bak and the week file afterwards,
// and the period's teams and winning picks archived; a failed run leaves them
// as they were. Players are scored in user-file order under their names as
// the user file spells them, which match standings records on the name lines
// only and in the same case; deleted players, players without an e-mail
// address or a name score nothing, and so does a record cut short at the end
// of the user file. Ann and "3" tie on top, and "3"'s guess beats Ann's, which
// is no number.
TEST(ScoringRun, AwkwardPoolsEndInTheseFiles) {
    const std::string week1 = SlashLines("1/1/2"), week2 = SlashLines("2/1/2"), sorted = SlashLines("A/1/ /B/2/ ");
    using Files = std::map<std::string, std::string>;
    struct {
        Files before, after;
        int failure;
    } const cases[] = {
        // Lone line feeds, no last line end, a stale .bak, a name with blanks around it.
        {{{"ZRPOverAllWinners.dat", "BOB\n3\n \n Ann\n1\n \n3\n1\n "}, {"ZRPOverAllWinners.dat.bak", "stale"}},
         {{"ZRPOverAllWinners.dat", SlashLines("3/4/ / Ann/3/ /BOB/3/ /Bob/1/ ")},
          {"ZRPOverAllWinners.dat.bak", SlashLines("BOB/3/ / Ann/3/ /3/4/ /Bob/1/ ")},
          {"ZRPwinners1_.dat", SlashLines("3/3/1/Ann/2/0/Bob/1/0")},
          {"ZRPwinners1_.dat.bak", SlashLines("Ann/2/0/3/3/1/Bob/1/0")}, {"ZRPweek.dat", week2}}, 0},
        // A record cut short.
        {{{"ZRPOverAllWinners.dat", SlashLines("X/1/ /ANN/5")}}, {}, kInputPastEnd},
        // The period scored again: its results follow the old ones.
        {{{"ZRPwinners1_.dat", SlashLines("ANN/9/0")}},
         {{"ZRPOverAllWinners.dat", SlashLines("Ann/2/ /3/2/ /Bob/1/ ")},
          {"ZRPOverAllWinners.dat.bak", SlashLines("Ann/2/ /Bob/1/ /3/2/ ")},
          {"ZRPwinners1_.dat", SlashLines("ANN/9/0/Ann/2/0/3/2/1/Bob/1/0")},
          {"ZRPwinners1_.dat.bak", SlashLines("ANN/9/0/Ann/2/0/Bob/1/0/3/2/1")}, {"ZRPweek.dat", week2}}, 0},
        // Without a picks file nobody scores, yet the standings are sorted.
        {{{"ZRPpicks1_.dat", ""}, {"ZRPOverAllWinners.dat", sorted}, {"ZRPwinners1_.dat.bak", "stale"}},
         {{"ZRPOverAllWinners.dat", SlashLines("B/2/ /A/1/ ")}, {"ZRPOverAllWinners.dat.bak", sorted},
          {"ZRPwinners1_.dat.bak", "stale"}, {"ZRPweek.dat", week2}}, 0},
        // A user file shorter than one record ends the run before any change.
        {{{"ZRPform_user.dat", std::string(100, ' ')}, {"ZRPOverAllWinners.dat", sorted}},
         {{"ZRPOverAllWinners.dat", sorted}, {"ZRPweek.dat", week1}}, 0},
    };
    for (const auto& c : cases) {
        RunFolder folder;
        folder.WriteLines("zrp.cfg", {"Season", "WEEK1", "A at B", " C at D ", "WEEK2", "E at F"});
        folder.WriteUsers({Player("boss@pool", "BOSS", "ADMINISTRATOR"), Player("a@pool", " Ann "),
                           Player("b@pool", "Bob"), Player("t@pool", "3", "PENDING"), Player("n@pool", " "),
                           Player("d@pool", "DEE", "DELETE"), Player("", "EVE")});
        folder.Write("ZRPform_user.dat", folder.Read("ZRPform_user.dat") + "partial");
        folder.Write("ZRPpicks1_.dat", SlashLines("ANN/01/abc/BOB/0/40/3/011/33/DEE/01/35/EVE/01/35"));
        for (const auto& [name, bytes] : c.before) folder.Write(name, bytes);
        if (c.before.contains("ZRPpicks1_.dat")) std::filesystem::remove(folder.PathOf("ZRPpicks1_.dat"));
        R().Action = "ENTERWINNERSFINAL";
        R().Uwp = "01";
        R().TieBreaker = "35";
        EXPECT_EQ(FailureOf([] { UpdateWinnerForThisWeek(); }), c.failure) << c.before.begin()->second;
        Files after = folder.Contents(), expected = c.failure ? c.before : c.after;
        std::erase_if(after, [](auto& file) { return !Contains(file.first, "inners") && file.first != "ZRPweek.dat"; });
        if (c.failure)
            expected["ZRPweek.dat"] = week1;  // as it was
        else
            EXPECT_EQ(folder.Read("ZRPteams1_.dat") + folder.Read("ZRPpicks1W_.dat"), SlashLines("A,B/C,D/01/35"));
        EXPECT_EQ(after, expected) << c.before.begin()->second;
    }
}
