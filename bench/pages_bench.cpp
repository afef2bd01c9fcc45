// Every page as the web server starts it, on pools of 100, 1,000 and 10,000
// players, against page_floor writing the same bytes: runs interleaved on a
// pool put in use first, the medians of wall and cpu time and their ratio. Then LOGIN as the last record
// and the user database page on a full user file of 32,767 records, with
// their peak memory. Every answer is checked: an error page stops the run.
// Run build-bench/pages_bench [runs].

#include <climits>

#include "bench_pool.h"

using namespace bench;

namespace {

// page_floor beside this benchmark, installed once in the temporary folder as
// the program is in each pool.
std::string FloorProgram() {
    static const std::string installed = [] {
        char self[PATH_MAX];
        ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
        if (n <= 0) std::exit(1);
        std::string path(self, static_cast<size_t>(n));
        std::string to = "/tmp/zrp-bench-floor-" + std::to_string(getpid());
        InstallProgram(path.substr(0, path.rfind('/')) + "/page_floor", to);
        return to;
    }();
    return installed;
}

Timing Checked(const std::string& folder, const Page& page) {
    Timing t = RunCgi({folder + "/zrp.exe"}, page.Body, page.Method);
    if (IsErrorPage(t.Answer)) {
        std::fprintf(stderr, "%s answered the error page:\n%.2000s\n", page.Label.c_str(), t.Answer.c_str());
        std::exit(1);
    }
    return t;
}

// Every page asked once, untimed, as a pool in use has been (the copy of the
// user file's fields is made by the first lookup), then the pool settled.
void PutInUse(const std::string& folder, const std::vector<Page>& pages) {
    for (const Page& page : pages) Checked(folder, page);
    SettlePool(folder);
}

void ComparePages(int players, int runs) {
    std::string folder = MakePool(players, 9);
    PutInUse(folder, Pages(players));
    for (const Page& page : Pages(players)) {
        std::string captured = folder + ".page";
        Timing first = Checked(folder, page);
        WriteFile(captured, first.Answer);
        std::vector<double> wall, cpu, floorWall, floorCpu;
        for (int run = 0; run < runs; ++run) {
            Timing program = Checked(folder, page);
            Timing floor = RunCgi({FloorProgram(), captured}, page.Body, page.Method);
            wall.push_back(program.Wall);
            cpu.push_back(program.Cpu);
            floorWall.push_back(floor.Wall);
            floorCpu.push_back(floor.Cpu);
        }
        unlink(captured.c_str());
        double w = Median(wall), c = Median(cpu), fw = Median(floorWall), fc = Median(floorCpu);
        std::printf("| %s | %d | %zu | %.2f | %.2f | %.2fx | %.2f | %.2f | %.2fx |\n", page.Label.c_str(), players,
                    first.Answer.size(), w * 1e3, fw * 1e3, w / fw, c * 1e3, fc * 1e3, fc > 0 ? c / fc : 0.0);
        std::fflush(stdout);
    }
    RemoveFolder(folder);
}

void FullUserFile(int runs) {
    const int players = 32767;
    std::string folder = MakePool(players, 9);
    std::vector<Page> asked;
    for (const Page& page : Pages(players))
        if (page.Label == "LOGIN" || page.Label == "VIEWUSERS") asked.push_back(page);
    PutInUse(folder, asked);
    for (const Page& page : asked) {
        std::vector<double> wall, cpu;
        long peak = 0;
        for (int run = 0; run < runs; ++run) {
            Timing t = Checked(folder, page);
            wall.push_back(t.Wall);
            cpu.push_back(t.Cpu);
            peak = std::max(peak, t.PeakKiB);
        }
        Timing floor = RunCgi({FloorProgram(), "/dev/null"}, page.Body, page.Method);
        std::printf("| %s | %d | %.2f | %.2f | %.1f | %.1f |\n", page.Label.c_str(), players, Median(wall) * 1e3,
                    Median(cpu) * 1e3, static_cast<double>(peak) / 1024, static_cast<double>(floor.PeakKiB) / 1024);
        std::fflush(stdout);
    }
    RemoveFolder(folder);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 201;
    std::printf("Program: %s\n\n", Program().c_str());
    std::printf("| page | players | bytes | wall ms | floor wall ms | wall ratio | cpu ms | floor cpu ms | cpu ratio |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (int players : {100, 1000, 10000}) ComparePages(players, players >= 10000 ? std::max(3, runs / 2) : runs);
    std::printf("\n| page | players | wall ms | cpu ms | peak MiB | floor's peak MiB |\n|---|---:|---:|---:|---:|---:|\n");
    FullUserFile(std::max(3, runs / 2));
    unlink(FloorProgram().c_str());
    return 0;
}
