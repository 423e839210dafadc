// collect: our collection of 20,000 files in 2,000 folders against find | sort on the host,
// and against the floor: one bare listing walk over the same tree. The machine is shared,
// so the floor and ours take turns for a few rounds and each keeps its best time.
#include <algorithm>

#include "app/transfer/collection.h"
#include "bench/bench_support.h"
#include "tests/support/layers.h"

using namespace pixa;

namespace {
constexpr int kRounds = 3;

// The same listing calls the collection makes (pattern "*.*", folders breadth-first),
// without its names, sorting and progress: what is left of ours is the difference.
std::size_t CollectionListing(const std::string& root) {
    std::size_t files = 0;
    std::vector<std::string> folders{root};
    for (std::size_t i = 0; i < folders.size(); ++i) {
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileExA((folders[i] + "\\*.*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            if (data.cFileName[0] == '.') continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                folders.push_back(folders[i] + "\\" + data.cFileName);
            else
                ++files;
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    return files;
}
}  // namespace

int main() {
    bench::Scratch scratch("collect");
    scratch.Host(bench::PictureTree(scratch.Unix()));
    bench::ReportLoad("collect", scratch);
    double reference =
        scratch.Host("find '" + scratch.Unix() + "' -type f -iname '*.jpg' | LC_ALL=C sort > /dev/null");
    std::size_t floorCount = 0, listedCount = 0, count = 0;
    double floor = 1e9, listing = 1e9, ours = 1e9;
    SilentProgress progress;
    for (int round = 0; round < kRounds; ++round) {
        floor = std::min(floor, bench::Seconds([&] { floorCount = bench::FloorWalk(scratch.Dos(), false); }));
        listing = std::min(listing, bench::Seconds([&] { listedCount = CollectionListing(scratch.Dos()); }));
        ours = std::min(ours, bench::Seconds([&] {
                            count = CollectFiles({.source = scratch.Dos() + "\\", .includeSub = true, .target = "",
                                                  .extens = "JPG"},
                                                 progress)
                                        .size();
                        }));
    }
    std::printf("collect: best of %d rounds; the collection's bare listing calls %.3f s\n", kRounds, listing);
    if (count != 20000 || floorCount != 20000 || listedCount != 20000)
        std::printf("collect: expected 20000 files, found %zu (floor %zu, listing %zu)\n", count, floorCount,
                    listedCount);
    bench::Report("collect", ours, reference);
    bench::ReportFloor("collect", ours, floor);
}
