// table: the work table filled with 100,000 paths, the memory it takes, then one mark
// toggle with the totals recomputed (MakeSum), against the 20 ms a toggle may take.
#include "app/transfer/directory.h"
#include "app/transfer/selection_table.h"
#include "app/transfer/table_areas.h"
#include "bench/bench_support.h"
#include "runtime/settings.h"
#include "tests/support/layers.h"

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
    // The memory the table takes: the peak working set before, with 20,000 rows and with
    // 100,000. A table held once grows it by its 418 bytes a row and the rows' paths.
    double before = bench::PeakWorkingSetMb();
    {
        SelectionTable small(1000);
        small.MakeDbf(scratch.Dos() + "\\", std::vector<std::string>(paths.begin(), paths.begin() + 20000));
        small.Close();
    }
    double with20k = bench::PeakWorkingSetMb();
    SelectionTable table(1000);
    double fill = bench::Seconds([&] { table.MakeDbf(scratch.Dos() + "\\", paths); });
    double with100k = bench::PeakWorkingSetMb();
    std::printf("table: filled 100,000 rows in %.3f s\n", fill);
    // What the fill would cost if it asked each of these files (none exists) on its own.
    double sizes = bench::Seconds([&] {
        for (const auto& path : paths) FSize(path);
    });
    std::printf("table: the bare size queries of the 100,000 paths %.3f s\n", sizes);
    std::printf("table: peak working set %.1f MB before, %.1f MB with 20,000 rows, %.1f MB with 100,000 "
                "(rows of 418 bytes: %.1f MB)\n",
                before, with20k, with100k, 100000 * 418 / (1024.0 * 1024.0));
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
