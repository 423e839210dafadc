// open-list: collecting 20,000 pictures in 2,000 folders and filling the selection list's
// work table with their sizes, against find listing names and sizes on the host, and
// against the floor: one bare listing walk plus one size query per file.
#include "app/transfer/collection.h"
#include "app/transfer/selection_table.h"
#include "app/transfer/table_areas.h"
#include "bench/bench_support.h"
#include "runtime/settings.h"
#include "tests/support/layers.h"

using namespace pixa;

int main() {
    Settings().deletedHidden = true;
    bench::Scratch scratch("openlist");
    std::string tree = scratch.Unix() + "/tree";
    scratch.Host("mkdir -p '" + tree + "' && " + bench::PictureTree(tree));
    bench::ReportLoad("open-list", scratch);
    double reference = scratch.Host("find '" + tree + "' -type f -iname '*.jpg' -printf '%s %p\\n' | LC_ALL=C sort > /dev/null");
    std::size_t floorCount = 0, count = 0;
    double floor = bench::Seconds([&] { floorCount = bench::FloorWalk(scratch.Dos() + "\\tree", true); });
    SilentProgress progress;
    std::vector<std::string> files;
    double ours = bench::Seconds([&] {
        files = CollectFiles(
            {.source = scratch.Dos() + "\\tree\\", .includeSub = true, .target = "", .extens = "JPG"}, progress);
        SelectionTable table(1000);
        if (table.MakeDbf(scratch.Dos() + "\\", files)) count = table.Table().RecCount();
        DbCloseAll();
    });
    // Where the time goes: the same bare size queries, on the paths as the collection gives
    // them (its base folder in upper case, which the platform must look up ignoring case).
    double sizes = bench::Seconds([&] {
        WIN32_FILE_ATTRIBUTE_DATA data;
        for (const auto& file : files) GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data);
    });
    std::printf("open-list: bare size queries of the collected paths %.3f s\n", sizes);
    if (count != 20000 || floorCount != 20000)
        std::printf("open-list: expected 20000 rows, filled %zu (floor %zu)\n", count, floorCount);
    bench::Report("open-list", ours, reference);
    bench::ReportFloor("open-list", ours, floor);
}
