// Writes the files of a benchmark pool into a folder, for the load run:
// build-bench/make_pool FOLDER PLAYERS.
#include "bench_pool.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    for (const auto& [name, bytes] : bench::PoolFiles(std::atoi(argv[2]), 9))
        bench::WriteFile(std::string(argv[1]) + "/" + name, bytes);
    return 0;
}
