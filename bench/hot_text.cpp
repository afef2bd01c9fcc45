// Writes src/hot_text.ld, the linker script that puts the code every page
// runs side by side at the start of the program's text. The system maps a
// program's code in aligned pieces of 64 KiB on first touch, and each piece
// costs a page fault: spread over the whole text, the start-up and a small
// page touch about twice as many pieces as they need.
//
// Each page of the benchmarks runs once under ptrace, on this machine's
// processor and from its first instruction, on pools of 100 and 1,000
// players; the input sections of the functions it enters are found in the
// program's link map and listed, those run by the most requests first,
// those run by the same requests side by side. Run by `make hot-text` on a
// build made with -ffunction-sections: build-bench/hot_text PROGRAM MAP OUTPUT

#include <sys/ptrace.h>
#include <sys/user.h>

#include <algorithm>
#include <bit>
#include <cstddef>
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

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The input sections of the map's .text output sections: " NAME ADDRESS SIZE
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

// Where the system loaded the program: its first mapping, of offset 0.
unsigned long LoadAddress(pid_t pid, const std::string& program) {
    for (const std::string& line : LinesOf(ReadFile("/proc/" + std::to_string(pid) + "/maps"))) {
        std::istringstream fields(line);
        std::string range, mode, offset, device, inode, path;
        fields >> range >> mode >> offset >> device >> inode >> path;
        if (path == program && std::stoul(offset, nullptr, 16) == 0) return std::stoul(range, nullptr, 16);
    }
    return 0;
}

// The traced program's instruction pointer (x86-64 only: the listing is
// made on the development machine; elsewhere the tool says so and stops).
#if defined(__x86_64__)
constexpr bool kTraceable = true;
unsigned long InstructionAddress(pid_t child) {
    return static_cast<unsigned long>(ptrace(PTRACE_PEEKUSER, child, offsetof(user_regs_struct, rip), nullptr));
}
void SetInstructionAddress(pid_t child, unsigned long at) {
    ptrace(PTRACE_POKEUSER, child, offsetof(user_regs_struct, rip), reinterpret_cast<void*>(at));
}
#else
constexpr bool kTraceable = false;
unsigned long InstructionAddress(pid_t) { return 0; }
void SetInstructionAddress(pid_t, unsigned long) {}
#endif

// The start of every function of the program that lies in sections.
std::vector<unsigned long> FunctionStarts(const std::string& program, const std::vector<InputSection>& sections) {
    std::set<unsigned long> starts;
    FILE* pipe = popen(("nm --defined-only '" + program + "'").c_str(), "r");
    std::string text;
    char buffer[65536];
    for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    if (pipe) pclose(pipe);
    for (const std::string& line : LinesOf(text)) {
        std::istringstream fields(line);
        std::string address, type;
        if (!(fields >> address >> type) || std::string("tTWi").find(type) == std::string::npos) continue;
        unsigned long at = std::stoul(address, nullptr, 16);
        auto after = std::ranges::upper_bound(sections, at, {}, &InputSection::Start);
        if (after != sections.begin() && at < std::prev(after)->Start + std::prev(after)->Size) starts.insert(at);
    }
    return {starts.begin(), starts.end()};
}

// The sections (by their place in sections) whose code one request ran:
// the program runs under ptrace with a breakpoint on every function, each
// taken away when first hit, from its first instruction to its exit.
std::set<size_t> SectionsRun(const std::string& folder, const Page& page, const std::vector<InputSection>& sections,
                             const std::vector<unsigned long>& functions) {
    std::string program = folder + "/zrp.exe", input = folder + ".request", answer = folder + ".answer";
    WriteFile(input, page.Body);
    std::vector<std::string> env = CgiEnvironment(page.Method, page.Body.size());
    pid_t child = fork();
    if (child == 0) {
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        char* argv[] = {program.data(), nullptr};
        dup2(open(input.c_str(), O_RDONLY), 0);
        dup2(open(answer.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        execve(program.c_str(), argv, envp.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);  // stopped at the start of the new program
    unsigned long base = LoadAddress(child, program);
    // One byte at a time through the word that holds it.
    auto setByte = [&](unsigned long at, unsigned char value) {
        unsigned long word = at & ~7ul;
        long bytes = ptrace(PTRACE_PEEKTEXT, child, reinterpret_cast<void*>(word), nullptr);
        unsigned long shift = 8 * (at - word);
        unsigned char old = static_cast<unsigned char>(static_cast<unsigned long>(bytes) >> shift);
        bytes = static_cast<long>((static_cast<unsigned long>(bytes) & ~(0xfful << shift)) |
                                  static_cast<unsigned long>(value) << shift);
        ptrace(PTRACE_POKETEXT, child, reinterpret_cast<void*>(word), reinterpret_cast<void*>(bytes));
        return old;
    };
    std::map<unsigned long, unsigned char> original;
    for (unsigned long function : functions) original[base + function] = setByte(base + function, 0xCC);
    std::set<size_t> ran;
    for (;;) {
        int signal = WIFSTOPPED(status) && WSTOPSIG(status) != SIGTRAP ? WSTOPSIG(status) : 0;
        ptrace(PTRACE_CONT, child, nullptr, reinterpret_cast<void*>(static_cast<long>(signal)));
        waitpid(child, &status, 0);
        if (!WIFSTOPPED(status)) break;
        if (WSTOPSIG(status) != SIGTRAP) continue;
        unsigned long at = InstructionAddress(child) - 1;
        auto hit = original.find(at);
        if (hit == original.end()) continue;
        setByte(at, hit->second);
        original.erase(hit);
        SetInstructionAddress(child, at);
        auto after = std::ranges::upper_bound(sections, at - base, {}, &InputSection::Start);
        ran.insert(static_cast<size_t>(std::prev(after) - sections.begin()));
    }
    // An error page would list the code of a failure, not of the page.
    if (IsErrorPage(ReadFile(answer))) {
        std::fprintf(stderr, "%s answered the error page\n", page.Label.c_str());
        std::exit(1);
    }
    unlink(input.c_str());
    unlink(answer.c_str());
    return ran;
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
    if (!kTraceable) {
        std::fprintf(stderr, "hot_text traces x86-64 programs only\n");
        return 1;
    }
    std::vector<InputSection> sections = TextSections(argv[2]);
    std::vector<unsigned long> functions = FunctionStarts(argv[1], sections);
    setenv("ZRP_BENCH_PROGRAM", argv[1], 1);
    // The requests that ran each section, one bit each, and the order in
    // which the sections were first met.
    std::map<size_t, uint32_t> runBy;
    std::vector<size_t> firstMet;
    int request = 0;
    for (int players : {100, 1000}) {
        std::string folder = MakePool(players, 9);
        for (const Page& page : Pages(players)) RunCgi({folder + "/zrp.exe"}, page.Body, page.Method);
        SettlePool(folder);
        for (const Page& page : Pages(players)) {
            for (size_t section : SectionsRun(folder, page, sections, functions))
                if (std::exchange(runBy[section], runBy[section] | 1u << request) == 0) firstMet.push_back(section);
            ++request;
        }
        RemoveFolder(folder);
    }
    // The most run first; sections run by the same requests side by side.
    std::ranges::stable_sort(firstMet, std::greater{}, [&](size_t section) {
        return std::pair(std::popcount(runBy[section]), runBy[section]);
    });
    std::set<std::string> listed;
    std::string script;
    for (size_t section : firstMet)
        if (listed.insert(Pattern(sections[section])).second) script += "    " + Pattern(sections[section]) + "\n";
    WriteFile(argv[3],
              "/* The code every page runs, first, side by side: written by `make hot-text`\n"
              "   (bench/hot_text.cpp) from the code the benchmark pages run. A name that\n"
              "   no longer matches only leaves its code where it was. */\n"
              "SECTIONS\n{\n  .text.hot_pages :\n  {\n" +
                  script + "  }\n}\nINSERT BEFORE .text;\n");
    std::printf("%zu sections listed in %s\n", listed.size(), argv[3]);
    return 0;
}
