// How fast a drop turns names into output: one drop of 100,000 or 1,000,000
// generated Windows names, for the default template and for one that uses
// every part, next to a memcpy of the same output bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "bench/Rng.h"
#include "core/ListState.h"

namespace {

constexpr size_t kMostNames = 1'000'000;


const char* const kRoots[] = {"C:\\", "D:\\", "E:\\", "\\\\fileserver\\projects\\", "\\\\nas01\\home$\\"};
const char* const kWords[] = {"Users", "alice", "Documents", "Projects", "src", "build", "Release", "photos",
                              "2023", "Backup", "archive", "My Music", "Program Files", "node_modules",
                              "lib", "v1.2", "old.stuff", "reports", "Q3", "assets", "Temp", "x64"};
const char* const kExts[] = {".txt", ".jpg", ".cpp", ".h", ".docx", ".pdf", ".tar.gz", ".png", ".mp3", ".dll"};
// Shift-JIS characters, two with trail byte 0x5C ('\'): 表, ソ, 日本, 能.
const char* const kCp932Words[] = {"\x95\x5C", "\x83\x5C", "\x93\xFA\x96\x7B", "\x94\x5C"};

std::string MakeBaseName(Rng& rng) {
    std::string base = rng.Pick(kWords);
    if (rng.Below(4) == 0) base += "_" + std::to_string(rng.Below(1000));
    if (rng.Below(6) == 0) base += ".backup";
    if (rng.Below(8) != 0) base += rng.Pick(kExts);
    return base;
}

// A drive or share, one to six directories and a base name; 30 to 120
// bytes. One name in twenty gets a double-byte word when asked for.
std::string MakeName(Rng& rng, bool withCp932) {
    for (;;) {
        std::string name = rng.Pick(kRoots);
        for (size_t dirs = 1 + rng.Below(6); dirs > 0; --dirs) name += std::string(rng.Pick(kWords)) + "\\";
        if (withCp932 && rng.Below(20) == 0) name += std::string(rng.Pick(kCp932Words)) + "\\";
        name += MakeBaseName(rng);
        if (name.size() >= 30 && name.size() <= 120) return name;
    }
}

// All names in one buffer, so the names themselves cost no allocations.
struct NameSet {
    std::string bytes;
    std::vector<std::string_view> names;
};

NameSet MakeNames(bool withCp932) {
    Rng rng(withCp932 ? 932 : 1252);
    std::vector<size_t> ends;
    NameSet set;
    for (size_t i = 0; i < kMostNames; ++i) {
        set.bytes += MakeName(rng, withCp932);
        ends.push_back(set.bytes.size());
    }
    size_t start = 0;
    for (size_t end : ends) {
        set.names.emplace_back(set.bytes.data() + start, end - start);
        start = end;
    }
    return set;
}

const NameSet& Names(bool withCp932) {
    static const NameSet plain = MakeNames(false);
    static const NameSet cp932 = MakeNames(true);
    return withCp932 ? cp932 : plain;
}

struct Case {
    const char* format;
    bool cp932;
};

const LeadBytes& LeadsFor(const Case& c) {
    static const LeadBytes none;
    static const LeadBytes cp932 = LeadBytes::FromRanges({{0x81, 0x9F}, {0xE0, 0xFC}});
    return c.cp932 ? cp932 : none;
}

void DropAll(ListState& list, const Case& c, size_t count) {
    const NameSet& set = Names(c.cp932);
    ListState::Drop drop(list, LeadsFor(c));
    for (size_t i = 0; i < count; ++i) drop.AddFile(set.names[i]);
}

// Cleared, not rebuilt, between drops, as Clear does in the program: the
// output keeps its capacity. The warm-up drop outside the timing gives it
// that capacity, so the figures are of the drop and not of the first touch of
// fresh pages.
void BM_Drop(benchmark::State& state, Case c) {
    const size_t count = static_cast<size_t>(state.range(0));
    ListState list;
    list.m_strFormat = c.format;
    DropAll(list, c, count);
    int64_t outputBytes = 0;
    for (auto _ : state) {
        list.Clear();
        DropAll(list, c, count);
        benchmark::DoNotOptimize(list.m_strOutput.data());
        outputBytes += static_cast<int64_t>(list.m_strOutput.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(outputBytes);
}

// The floor: copying the output of the same drop, which no expansion can beat.
void BM_Memcpy(benchmark::State& state, Case c) {
    ListState list;
    list.m_strFormat = c.format;
    DropAll(list, c, static_cast<size_t>(state.range(0)));
    const std::string& source = list.m_strOutput;
    std::string target(source.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(source.size()));
}

void Register(const std::string& label, Case c) {
    for (auto* bench : {benchmark::RegisterBenchmark(("Drop/" + label).c_str(), BM_Drop, c),
                        benchmark::RegisterBenchmark(("Memcpy/" + label).c_str(), BM_Memcpy, c)})
        bench->Arg(100'000)->Arg(static_cast<int64_t>(kMostNames))->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    Register("full_name", {R"(%f\r\n)", false});
    Register("all_parts", {R"(%3c: %n%e\t%d%p)", false});
    Register("full_name/cp932", {R"(%f\r\n)", true});
    Register("all_parts/cp932", {R"(%3c: %n%e\t%d%p)", true});
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
