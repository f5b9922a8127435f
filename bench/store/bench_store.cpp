// The record store at the size of a full city table: a traversal of every
// record (what listing the cities does), a seek by name, 25,000 appends in
// one transaction (what a first-start import does) and opening the
// database (what every start of either program does).

#include "platform/store/record_store.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace halvo
{
namespace
{

constexpr int kCities = 25000;

Record CityLike(int i)
{
    return {{101, "City number " + std::to_string((i * 7919) % kCities)},
            {102, "Country " + std::to_string(i % 200)},
            {103, std::to_string(i % 36000 - 18000)},
            {104, std::to_string(i % 18000 - 9000)},
            {105, std::int32_t{i % 140}},
            {106, std::string("1")},
            {108, std::string("air")},
            {107, std::string("0")}};
}

// The folder's name outlives every static object, so the exit handler can
// still remove it.
char g_folder[] = "/tmp/halvo-bench-store-XXXXXX";

std::filesystem::path Folder()
{
    static const bool made = []
    {
        if (mkdtemp(g_folder) == nullptr)
            return false;
        std::atexit(
            []
            {
                std::error_code ignored;
                std::filesystem::remove_all(g_folder, ignored);
            });
        return true;
    }();
    (void)made;
    return g_folder;
}

bool FillCities(const std::filesystem::path& file)
{
    std::filesystem::remove(file);
    std::filesystem::remove(file.string() + "-wal");
    std::filesystem::remove(file.string() + "-shm");
    if (!OpenDatabase(file).ok)
        return false;
    StoreTransaction transaction;
    const StoreIdentity identity = RecordStore::Create("Cities List", 0x303A, {{101, 2}, {102, 2}});
    RecordStore store;
    if (identity == 0 || !store.Open(identity))
        return false;
    for (int i = 0; i < kCities; ++i)
        if (!store.Append(CityLike(i)))
            return false;
    return transaction.Commit();
}

void BM_Append25000InOneTransaction(benchmark::State& state)
{
    const std::filesystem::path file = Folder() / "append.db";
    for (auto _ : state)
        if (!FillCities(file))
            state.SkipWithError("import failed");
    CloseDatabase();
}
BENCHMARK(BM_Append25000InOneTransaction)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Traverse25000(benchmark::State& state)
{
    const std::filesystem::path file = Folder() / "traverse.db";
    if (!FillCities(file))
    {
        state.SkipWithError("fill failed");
        return;
    }
    for (auto _ : state)
    {
        RecordStore store;
        store.Open("Cities List");
        int read = 0;
        while (auto record = store.ReadCurrent())
        {
            benchmark::DoNotOptimize(record);
            ++read;
        }
        if (read != kCities)
            state.SkipWithError("short traversal");
    }
    CloseDatabase();
}
BENCHMARK(BM_Traverse25000)->Unit(benchmark::kMillisecond);

void BM_SeekCityByName(benchmark::State& state)
{
    const std::filesystem::path file = Folder() / "seek.db";
    if (!FillCities(file))
    {
        state.SkipWithError("fill failed");
        return;
    }
    int i = 0;
    for (auto _ : state)
    {
        // Open, seek, read, close: what one city lookup does.
        RecordStore store;
        store.Open("Cities List");
        const int position =
            store.SeekFirstEqual(101, std::string("CITY NUMBER ") + std::to_string(i++ % kCities));
        if (position < 0)
            state.SkipWithError("not found");
        benchmark::DoNotOptimize(store.ReadCurrent());
    }
    CloseDatabase();
}
BENCHMARK(BM_SeekCityByName)->Unit(benchmark::kMicrosecond);

// A supplementary city file: each line is looked up by name, then added.
void BM_SeekThenAppend1000(benchmark::State& state)
{
    const std::filesystem::path file = Folder() / "more.db";
    for (auto _ : state)
    {
        state.PauseTiming();
        if (!FillCities(file))
            state.SkipWithError("fill failed");
        state.ResumeTiming();
        StoreTransaction transaction;
        RecordStore store;
        store.Open("Cities List");
        for (int i = 0; i < 1000; ++i)
        {
            const std::string name = "More city " + std::to_string(i);
            if (store.SeekFirstEqual(101, name) < 0)
                store.Append({{101, name}, {102, std::string("Country")}});
        }
        transaction.Commit();
    }
    CloseDatabase();
}
BENCHMARK(BM_SeekThenAppend1000)->Unit(benchmark::kMillisecond)->Iterations(3);

// What one command-line run pays: open the database, find one city.
void BM_OpenAndSeekOnce(benchmark::State& state)
{
    const std::filesystem::path file = Folder() / "cold.db";
    if (!FillCities(file))
    {
        state.SkipWithError("fill failed");
        return;
    }
    CloseDatabase();
    int i = 0;
    for (auto _ : state)
    {
        OpenDatabase(file);
        RecordStore store;
        store.Open("Cities List");
        if (store.SeekFirstEqual(101, "City number " + std::to_string(i++ * 37 % kCities)) < 0)
            state.SkipWithError("not found");
        benchmark::DoNotOptimize(store.ReadCurrent());
        store.Close();
        CloseDatabase();
    }
}
BENCHMARK(BM_OpenAndSeekOnce)->Unit(benchmark::kMillisecond);

void BM_OpenDatabaseWithCities(benchmark::State& state)
{
    const std::filesystem::path file = Folder() / "open.db";
    if (!FillCities(file))
    {
        state.SkipWithError("fill failed");
        return;
    }
    CloseDatabase();
    for (auto _ : state)
    {
        if (!OpenDatabase(file).ok)
            state.SkipWithError("open failed");
        CloseDatabase();
    }
}
BENCHMARK(BM_OpenDatabaseWithCities)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace halvo
