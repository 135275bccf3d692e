// What a user waits on in the files: encoding, decoding, saving and opening a
// project of 10 supports, reading the start-up data files of the program's
// folder, and reading a model data file.
#include "files/curvefile.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"
#include "files/projectfile.h"
#include "files/textfile.h"
#include "model/globals.h"
#include "model/supportlist.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <stdlib.h>
#include <sys/resource.h>

using namespace vesk;
namespace fs = std::filesystem;

namespace {

// The shipped data files, with the catalogue and the type defaults read.
// False when one of them could not be read.
bool startFromShippedData()
{
    ResetGlobals();
    G.AppPath = VESK_DATA_DIR;
    const bool builtIn = ReadConfig();
    return !builtIn && ReadDefaults() == 0 && ReadWoodData() == 0;
}

// A full project: 10 supports of the built-in types, some with cable
// arrangement texts, and a name.
void tenSupports()
{
    startFromShippedData();
    for (int i = 0; i < kMaxCases; ++i)
        AppendSupport(static_cast<int16_t>(1 + i % 6), "Support " + std::to_string(i + 1));
    for (int i = 1; i <= kMaxCases; i += 3)
        G.Cases[static_cast<std::size_t>(i)].CabSeq[2] = "(0-4-4) staggered";
    G.ProjName = "North Portal, panel 3";
}

// A scratch folder, removed when the benchmark ends.
struct Scratch {
    Scratch()
    {
        char tmpl[] = "/tmp/vesk-bench-XXXXXX";
        dir = ::mkdtemp(tmpl);
    }
    ~Scratch() { fs::remove_all(dir); }
    std::string at(const char* name) const { return dir + "/" + name; }
    std::string dir;
};

long minorFaults()
{
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return u.ru_minflt;
}

// With the page faults per encoding: a buffer grown step by step touches
// fresh pages at every step.
void BM_EncodeProject(benchmark::State& state)
{
    tenSupports();
    const long faults = minorFaults();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeProject(ProjectFromGlobals()));
    state.counters["faults"] = benchmark::Counter(static_cast<double>(minorFaults() - faults),
                                                  benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(EncodeProject(ProjectFromGlobals()).size()));
}
BENCHMARK(BM_EncodeProject);

void BM_DecodeProject(benchmark::State& state)
{
    tenSupports();
    const std::string bytes = EncodeProject(ProjectFromGlobals());
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeProject(bytes, G.NumTypes));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeProject);

// Through the temporary file, flushed to the disk, and the rename.
void BM_SaveProject(benchmark::State& state)
{
    tenSupports();
    Scratch scratch;
    const std::string path = scratch.at("north.pro");
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveProjectFile(path));
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMicrosecond);

void BM_OpenProject(benchmark::State& state)
{
    tenSupports();
    Scratch scratch;
    const std::string path = scratch.at("north.pro");
    if (!SaveProjectFile(path).ok() || !OpenProjectFile(path).ok())
        state.SkipWithError("the project cannot be saved and opened");
    for (auto _ : state)
        benchmark::DoNotOptimize(OpenProjectFile(path));
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMicrosecond);

// The start-up readers, each over its shipped file.
void BM_ReadDefaults(benchmark::State& state)
{
    if (!startFromShippedData())
        state.SkipWithError("the shipped data files cannot be read");
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadDefaults());
}
BENCHMARK(BM_ReadDefaults)->Unit(benchmark::kMicrosecond);

void BM_ReadWoodData(benchmark::State& state)
{
    startFromShippedData();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWoodData());
}
BENCHMARK(BM_ReadWoodData)->Unit(benchmark::kMicrosecond);

void BM_ReadConfig(benchmark::State& state)
{
    startFromShippedData();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadConfig());
}
BENCHMARK(BM_ReadConfig)->Unit(benchmark::kMicrosecond);

void BM_ReadDefName(benchmark::State& state)
{
    startFromShippedData();
    for (auto _ : state) {
        ReadDefName();
        benchmark::DoNotOptimize(G.DefProjName);
    }
}
BENCHMARK(BM_ReadDefName)->Unit(benchmark::kMicrosecond);

// A full library of 50 curves of 10 points.
void BM_ReadCurves(benchmark::State& state)
{
    ResetGlobals();
    Scratch scratch;
    G.MaxCurves = 50;
    G.NumCurves = 50;
    G.GRCurves.assign(51, BlankCurve());
    for (int16_t k = 1; k <= 50; ++k) {
        CurveRec& c = G.GRCurves[static_cast<std::size_t>(k)];
        c.Id = k;
        c.NumPts = 10;
    }
    const std::string path = scratch.at(kCurveFileName);
    if (!SaveCurves(path).ok() || ReadCurves(path) != 0 || G.NumCurves != 50)
        state.SkipWithError("the curve library cannot be saved and read");
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadCurves(path));
}
BENCHMARK(BM_ReadCurves)->Unit(benchmark::kMicrosecond);

// A standing-support model file read whole into a new support's record.
void BM_ReadModelFile(benchmark::State& state)
{
    startFromShippedData();
    int16_t type = 0;
    for (int16_t t = 1; t <= G.NumTypes; ++t)
        if (G.TypeFile[static_cast<std::size_t>(t)] == "engcrib.dat")
            type = t;
    CaseRec rec;
    ModelFileRead how;
    how.type = type;
    how.record = &rec;
    const std::string path = AppFilePath("engcrib.dat");
    if (type == 0 || !ReadModelFile(path, how))
        state.SkipWithError("engcrib.dat cannot be read");
    for (auto _ : state) {
        rec.SizeIdx = -1;
        benchmark::DoNotOptimize(ReadModelFile(path, how));
    }
}
BENCHMARK(BM_ReadModelFile)->Unit(benchmark::kMicrosecond);

}  // namespace
