// Writes src/hot_text.ld, the linker script that puts the code every page
// runs side by side at the start of the program's text. The system maps a
// program's code in aligned pieces of 64 KiB on first touch, and each piece
// costs a page fault: spread over the whole text, the start-up and a small
// page touch about twice as many pieces as they need.
//
// Each page of the benchmarks runs once under callgrind, on pools of 100
// and 1,000 players; the functions it ran are found in the program's link
// map, and their input sections are listed, those run by the most pages
// first. Run by `make hot-text` on a build made with -ffunction-sections:
//   build-bench/hot_text PROGRAM MAP OUTPUT

#include <algorithm>
#include <bit>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "bench_pool.h"

using namespace bench;

namespace {

struct InputSection {
    unsigned long Start = 0, Size = 0;
    std::string Name, File;
};

std::string CommandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The input sections of the map's .text output section: " NAME ADDRESS SIZE
// FILE", the name on a line of its own when it is long.
std::vector<InputSection> TextSections(const std::string& mapPath) {
    std::vector<InputSection> sections;
    std::vector<std::string> lines = LinesOf(ReadFile(mapPath));
    bool inText = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!line.empty() && line[0] == '.') inText = line.rfind(".text", 0) == 0;
        if (!inText || line.size() < 2 || line[0] != ' ' || line[1] != '.') continue;
        InputSection s;
        std::string rest, start, size;
        std::istringstream fields(line);
        fields >> s.Name;
        std::getline(fields, rest);
        if (rest.find_first_not_of(' ') == std::string::npos && i + 1 < lines.size()) rest = lines[++i];
        std::istringstream more(rest);
        more >> start >> size >> std::ws;
        std::getline(more, s.File);
        if (start.rfind("0x", 0) != 0 || size.rfind("0x", 0) != 0) continue;
        s.Start = std::stoul(start, nullptr, 16);
        s.Size = std::stoul(size, nullptr, 16);
        if (s.Size > 0) sections.push_back(s);
    }
    std::ranges::sort(sections, {}, &InputSection::Start);
    return sections;
}

// Every function symbol of the program with its address.
std::map<std::string, unsigned long> FunctionAddresses(const std::string& program) {
    std::map<std::string, unsigned long> addresses;
    for (const std::string& line : LinesOf(CommandOutput("nm --defined-only '" + program + "'"))) {
        std::istringstream fields(line);
        std::string address, type, name;
        if ((fields >> address >> type >> name) && std::string("tTWi").find(type) != std::string::npos)
            addresses.emplace(name, std::stoul(address, nullptr, 16));
    }
    return addresses;
}

// The functions one request ran, by their mangled names, in the order it
// first met them.
std::vector<std::string> FunctionsRun(const std::string& folder, const Page& page) {
    std::string profile = folder + "/callgrind.out";
    Timing t = RunCgi({"/usr/bin/valgrind", "--tool=callgrind", "--demangle=no", "--callgrind-out-file=" + profile,
                       folder + "/zrp.exe"},
                      page.Body, page.Method);
    if (IsErrorPage(t.Answer)) {
        std::fprintf(stderr, "%s answered the error page\n", page.Label.c_str());
        std::exit(1);
    }
    // "fn=(7) name" starts the costs of a function; "(7)" alone stands for
    // a name given before, there or in a call ("cfn=(7) name").
    std::map<std::string, std::string> named;
    std::vector<std::string> ran, names;
    for (const std::string& line : LinesOf(ReadFile(profile))) {
        bool costs = line.rfind("fn=(", 0) == 0;
        if (!costs && line.rfind("cfn=(", 0) != 0) continue;
        size_t open = line.find('('), close = line.find(')');
        std::string id = line.substr(open, close + 1 - open);
        if (close + 2 < line.size()) named.emplace(id, line.substr(close + 2));
        if (costs) ran.push_back(id);
    }
    for (const std::string& id : ran) names.push_back(named[id]);
    unlink(profile.c_str());
    return names;
}

// "*libc.a:malloc.o(.text)" for an archive member, "*files.cpp.o(.text.X)"
// for an object of the program.
std::string Pattern(const InputSection& s) {
    std::string file = s.File.substr(s.File.rfind('/') + 1);
    size_t open = file.find('(');
    if (open != std::string::npos && file.back() == ')')
        file = file.substr(0, open) + ":" + file.substr(open + 1, file.size() - open - 2);
    return "*" + file + "(" + s.Name + ")";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: hot_text PROGRAM MAP OUTPUT\n");
        return 2;
    }
    std::string program = argv[1];
    std::vector<InputSection> sections = TextSections(argv[2]);
    std::map<std::string, unsigned long> addresses = FunctionAddresses(program);
    // The requests that ran each function, one bit each.
    std::map<std::string, uint32_t> runBy;
    std::vector<std::string> firstMet;
    int request = 0;
    setenv("ZRP_BENCH_PROGRAM", program.c_str(), 1);
    for (int players : {100, 1000}) {
        std::string folder = MakePool(players, 9);
        for (const Page& page : Pages(players)) RunCgi({folder + "/zrp.exe"}, page.Body, page.Method);
        SettlePool(folder);
        for (const Page& page : Pages(players)) {
            for (const std::string& name : FunctionsRun(folder, page))
                if (std::exchange(runBy[name], runBy[name] | 1u << request) == 0) firstMet.push_back(name);
            ++request;
        }
        RemoveFolder(folder);
    }
    // The most run first; functions run by the same requests side by side.
    std::ranges::stable_sort(firstMet, std::greater{}, [&](const std::string& name) {
        return std::pair(std::popcount(runBy[name]), runBy[name]);
    });
    std::set<std::string> listed;
    std::string script;
    for (const std::string& name : firstMet) {
        // A function callgrind knows only by its address in the running
        // program (a PIE is moved) is left out.
        auto known = addresses.find(name);
        if (known == addresses.end()) continue;
        auto after = std::ranges::upper_bound(sections, known->second, {}, &InputSection::Start);
        if (after == sections.begin()) continue;
        const InputSection& s = *std::prev(after);
        if (known->second >= s.Start + s.Size) continue;
        if (listed.insert(Pattern(s)).second) script += "    " + Pattern(s) + "\n";
    }
    WriteFile(argv[3],
              "/* The code every page runs, first, side by side: written by `make hot-text`\n"
              "   (bench/hot_text.cpp) from the functions the benchmark pages run. A name\n"
              "   that no longer matches only leaves its code where it was. */\n"
              "SECTIONS\n{\n  .text.hot_pages :\n  {\n" +
                  script + "  }\n}\nINSERT BEFORE .text;\n");
    std::printf("%zu sections listed in %s\n", listed.size(), argv[3]);
    return 0;
}
