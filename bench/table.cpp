// table: the work table filled with 100,000 paths, then one mark toggle with the totals
// recomputed (MakeSum), against the 20 ms a toggle may take.
#include "app/transfer/selection_table.h"
#include "app/transfer/table_areas.h"
#include "bench/bench_support.h"
#include "runtime/settings.h"

using namespace pixa;

int main() {
    Settings().deletedHidden = true;
    bench::Scratch scratch("table");
    std::vector<std::string> paths;
    for (int i = 0; i < 100000; ++i) {
        char path[96];
        std::snprintf(path, sizeof path, "C:\\BILDER\\Ordner%03d\\IMG_%05d.JPG", i / 1000, i);
        paths.push_back(path);
    }
    SelectionTable table(1000);
    double fill = bench::Seconds([&] { table.MakeDbf(scratch.Dos() + "\\", paths); });
    std::printf("table: filled 100,000 rows in %.3f s\n", fill);
    const int toggles = 50;
    double total = bench::Seconds([&] {
        for (int i = 1; i <= toggles; ++i) {
            table.Table().GoTo(static_cast<std::uint32_t>(i * 1999));
            table.ToggleCurrent();
            table.MakeSum(table.Table().RecNo());
        }
    });
    DbCloseAll();
    bench::Report("table", total / toggles, 0.020);
}
