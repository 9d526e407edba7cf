// Reading the team database at start-up, against the floor of reading its two files' bytes.

#include "archive/FileIO.h"
#include "sample/SampleTeams.h"
#include "teams/TeamDatabase.h"

#include <benchmark/benchmark.h>

#include <random>
#include <stdexcept>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace
{

namespace fs = std::filesystem;
using namespace tarnix;

// 2,048 teams in 64 sections, written once per run to a private folder that is removed at exit.
class LargeDatabase
{
  public:
    LargeDatabase()
    {
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("tarnix-bench-teams-" + std::to_string(random()));
        Status written = sample::WriteTeamDatabase(m_folder, sample::LargeDatabaseSpec(2048, 64));
        if (!written)
        {
            throw std::runtime_error(written.error());
        }
    }
    ~LargeDatabase()
    {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
    const fs::path& folder() const { return m_folder; }

  private:
    fs::path m_folder;
};

const LargeDatabase& Database()
{
    static LargeDatabase database;
    return database;
}

// These loops free everything they read after every round (the files' bytes, the records). glibc then hands
// the freed pages back to the system and the next round faults them in again, a cost of the loop that a
// program reading the database once at start-up does not repeat, and one that moves with the order of
// allocations (it took the same reader from 60 to 250 us). While a team benchmark runs, freed memory stays
// with the process, for the floor and the reading alike; glibc's defaults come back afterwards.
class KeepFreedMemory
{
  public:
    KeepFreedMemory()
    {
#if defined(__GLIBC__)
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
    }
    ~KeepFreedMemory()
    {
#if defined(__GLIBC__)
        mallopt(M_TRIM_THRESHOLD, 128 << 10);
        mallopt(M_MMAP_THRESHOLD, 128 << 10);
#endif
    }
    KeepFreedMemory(const KeepFreedMemory&) = delete;
    KeepFreedMemory& operator=(const KeepFreedMemory&) = delete;
};

// What start-up does: pass 1 (records and names) and pass 2 (league names), files found whatever their case.
void BM_ReadTeamDatabase(benchmark::State& state)
{
    const KeepFreedMemory keep;
    const fs::path& folder = Database().folder();
    for (auto _ : state)
    {
        TeamCollection teams;
        if (!LoadTeamDatabase(folder, teams))
        {
            state.SkipWithError("the database did not load");
            break;
        }
        benchmark::DoNotOptimize(teams[0]);
        // Start-up keeps the records until the program ends; freeing them is not part of reading.
        state.PauseTiming();
        teams.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReadTeamDatabase)->Unit(benchmark::kMicrosecond);

// The floor: the two files' bytes into memory, nothing else.
void BM_ReadTeamDatabaseBytes(benchmark::State& state)
{
    const KeepFreedMemory keep;
    const fs::path fe = Database().folder() / "DATA" / "CMN" / "FE";
    const fs::path fcdb = fe / "FCDB.DBI";
    const fs::path names = fe / "FCDB_ENG.DBI";
    std::size_t bytes = 0;
    for (auto _ : state)
    {
        auto a = ReadWholeFile(fcdb);
        auto b = ReadWholeFile(names);
        bytes = a->size() + b->size();
        benchmark::DoNotOptimize(a->data());
        benchmark::DoNotOptimize(b->data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReadTeamDatabaseBytes)->Unit(benchmark::kMicrosecond);

// The two passes on bytes already in memory: what the reader itself costs.
void BM_ParseTeamDatabase(benchmark::State& state)
{
    const KeepFreedMemory keep;
    const sample::DatabaseSpec spec = sample::LargeDatabaseSpec(2048, 64);
    const Bytes fcdb = sample::BuildTeamDatabase(spec);
    const Bytes names = sample::BuildTeamNames(spec);
    for (auto _ : state)
    {
        TeamCollection teams;
        (void)ParseTeamRecords(fcdb, names, teams);
        ParseLeagueNames(fcdb, teams);
        benchmark::DoNotOptimize(teams[0]);
        state.PauseTiming();
        teams.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ParseTeamDatabase)->Unit(benchmark::kMicrosecond);

// Page one's list for one jersey of 2,048 teams (64 lines).
void BM_FillTeamList(benchmark::State& state)
{
    const sample::DatabaseSpec spec = sample::LargeDatabaseSpec(2048, 64);
    TeamCollection teams;
    (void)ParseTeamRecords(sample::BuildTeamDatabase(spec), sample::BuildTeamNames(spec), teams);
    for (auto _ : state)
    {
        auto lines = FillTeamList(teams, 12);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_FillTeamList)->Unit(benchmark::kMicrosecond);

} // namespace
