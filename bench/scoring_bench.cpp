// Times the scoring run ("ENTERWINNERSFINAL") as the web server starts it, on
// pools of 1,000, 10,000 and 32,767 players with picks for a 16-game period
// and an overall standings file from an earlier period, each run in a fresh
// copy of the pool. Prints the median wall and cpu time and the time per player.
// Built with -DZRP_BENCH=ON; run build-bench/scoring_bench [runs].

#include "bench_pool.h"

using namespace bench;

namespace {

std::string RequestBody() {
    std::string winning;
    for (int g = 0; g < kGames; ++g) winning += (g % 3 == 0) ? '1' : '0';
    return ActBody("ENTERWINNERSFINAL", kAdminEmail,
                   {{"UWP", winning}, {"TIEBREAKER", "35"}, {"LINENUMBER", std::to_string(kGames)}});
}

Timing ScoringRun(int players, const std::string& body) {
    std::string folder = MakePool(players, 1);
    // A pool in use has the copy of its user file's fields, which a first
    // lookup writes: an earlier request, not timed, makes it.
    RunCgi({folder + "/zrp.exe"}, ActBody("ADMIN", kAdminEmail));
    Timing t = RunCgi({folder + "/zrp.exe"}, body);
    if (ReadFile(folder + "/ZRPweek.dat") != Lines({"2", "1", std::to_string(kPeriods)}) ||
        ReadFile(folder + "/ZRPwinners1_.dat").empty()) {
        std::fprintf(stderr, "the run did not score the period; its answer began:\n%.600s\n", t.Answer.c_str());
        std::exit(1);
    }
    RemoveFolder(folder);
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string body = RequestBody();
    std::printf("Program: %s\n\n| players | wall ms | cpu ms | wall us per player |\n|---:|---:|---:|---:|\n",
                Program().c_str());
    for (int players : {1000, 10000, 32767}) {
        std::vector<double> wall, cpu;
        for (int run = 0; run < runs; ++run) {
            Timing t = ScoringRun(players, body);
            wall.push_back(t.Wall);
            cpu.push_back(t.Cpu);
        }
        std::printf("| %d | %.1f | %.1f | %.2f |\n", players, Median(wall) * 1e3, Median(cpu) * 1e3,
                    Median(wall) * 1e6 / players);
        std::fflush(stdout);
    }
    return 0;
}
