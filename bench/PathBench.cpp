// Resolution of Windows-form paths: exact paths (one stat), paths asked in another case with the
// folder listings cached, and the same with every listing made afresh (cold).
#include "platform/fs/PathResolver.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// A data tree as published: upper-case names, one folder of 500 files, another of 50 folders.
// Folder times are put an hour back so their listings count as settled.
class DataTree {
public:
    DataTree()
    {
        std::string pattern = (fs::temp_directory_path() / "vd-pathbench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        root_ = pattern;
        const fs::path ksj = root_ / "KSJ" / "N03";
        fs::create_directories(ksj);
        for (int i = 0; i < 500; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "N03-%03d.TXT", i);
            std::FILE* f = std::fopen((ksj / name).c_str(), "w");
            if (f)
                std::fclose(f);
        }
        for (int i = 0; i < 50; ++i)
            fs::create_directories(root_ / "MAPELMNT" / ("PFCTR" + std::to_string(i)) / "都道府県");
        for (const auto& entry : fs::recursive_directory_iterator(root_))
            if (entry.is_directory())
                age(entry.path());
        age(root_);
    }
    ~DataTree()
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // The Windows form of a path below the tree.
    std::string win(const std::string& relative) const
    {
        std::string result = "Z:";
        for (char c : (root_ / relative).string())
            result += c == '/' ? '\\' : c;
        return result;
    }

private:
    static void age(const fs::path& folder)
    {
        timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 3600, 0}};
        utimensat(AT_FDCWD, folder.c_str(), times, 0);
    }

    fs::path root_;
};

const DataTree& tree()
{
    static const DataTree instance;
    return instance;
}

void resolve(benchmark::State& state, const std::string& path, bool cold)
{
    if (!vd::resolvePath(path)) {
        state.SkipWithError("path does not resolve");
        return;
    }
    for (auto _ : state) {
        if (cold)
            vd::clearFolderCache();
        benchmark::DoNotOptimize(vd::resolvePath(path));
    }
}

void BM_ResolveExactCase(benchmark::State& state)
{
    resolve(state, tree().win("KSJ/N03/N03-250.TXT"), false);
}

void BM_ResolveOtherCaseCached(benchmark::State& state)
{
    resolve(state, tree().win("ksj/n03/n03-250.txt"), false);
}

void BM_ResolveOtherCaseCold(benchmark::State& state)
{
    resolve(state, tree().win("ksj/n03/n03-250.txt"), true);
}

void BM_ResolveLastNameCached(benchmark::State& state)
{
    resolve(state, tree().win("KSJ/N03/n03-250.txt"), false);
}

void BM_ResolveLastNameCold(benchmark::State& state)
{
    resolve(state, tree().win("KSJ/N03/n03-250.txt"), true);
}

void BM_ResolveJapaneseCached(benchmark::State& state)
{
    resolve(state, tree().win("mapelmnt/pfctr42/都道府県"), false);
}

void BM_ResolveJapaneseCold(benchmark::State& state)
{
    resolve(state, tree().win("mapelmnt/pfctr42/都道府県"), true);
}

void BM_ResolveMissingCached(benchmark::State& state)
{
    const std::string path = tree().win("ksj/n03/n03-999.txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(vd::resolvePath(path));
}

} // namespace

BENCHMARK(BM_ResolveExactCase);
BENCHMARK(BM_ResolveOtherCaseCached);
BENCHMARK(BM_ResolveOtherCaseCold);
BENCHMARK(BM_ResolveLastNameCached);
BENCHMARK(BM_ResolveLastNameCold);
BENCHMARK(BM_ResolveJapaneseCached);
BENCHMARK(BM_ResolveJapaneseCold);
BENCHMARK(BM_ResolveMissingCached);
