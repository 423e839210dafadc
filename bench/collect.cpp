// collect: our collection of 20,000 files in 2,000 folders against find | sort on the host,
// and against the floor: one bare listing walk over the same tree.
#include "app/transfer/collection.h"
#include "bench/bench_support.h"

using namespace pixa;

int main() {
    bench::Scratch scratch("collect");
    scratch.Host(bench::PictureTree(scratch.Unix()));
    bench::ReportLoad("collect", scratch);
    double reference =
        scratch.Host("find '" + scratch.Unix() + "' -type f -iname '*.jpg' | LC_ALL=C sort > /dev/null");
    std::size_t floorCount = 0, count = 0;
    double floor = bench::Seconds([&] { floorCount = bench::FloorWalk(scratch.Dos(), false); });
    SilentProgress progress;
    double ours = bench::Seconds([&] {
        count = CollectFiles({.source = scratch.Dos() + "\\", .includeSub = true, .target = "", .extens = "JPG"},
                             progress)
                    .size();
    });
    if (count != 20000 || floorCount != 20000)
        std::printf("collect: expected 20000 files, found %zu (floor %zu)\n", count, floorCount);
    bench::Report("collect", ours, reference);
    bench::ReportFloor("collect", ours, floor);
}
