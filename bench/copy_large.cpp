// copy-large: our copy of one 1 GB file onto the card, against cp + sync on the host, and
// against the floor: a bare Win32 copy with one flush. Arguments (from scripts/bench.sh):
// the card's drive, host folder, medium. A copy this large swings with what else the
// machine does, so the three take turns twice and each keeps its faster run.
#include <algorithm>

#include "app/transfer/camera_copy.h"
#include "bench/bench_support.h"
#include "tests/support/layers.h"

using namespace pixa;

int main(int argc, char** argv) {
    auto medium = bench::CardMedium::FromArgs(argc, argv);
    bench::Scratch scratch("copylarge");
    bench::Scratch card("copylarge-card", medium.unixRoot, medium.dosRoot);
    std::string u = scratch.Unix(), c = card.Unix();
    std::printf("copy-large: card on %s\n", medium.Describe().c_str());
    scratch.Host("head -c 1073741824 /dev/urandom > '" + u + "/MOVIE.MOV'");
    bench::ReportLoad("copy-large", scratch);
    double reference = 1e9, floor = 1e9, ours = 1e9;
    bench::PumpingProgress progress;
    bench::NoPrompts prompts;
    for (int round = 0; round < 2; ++round) {
        // Keep at most one copy on the card.
        scratch.Host("rm -rf '" + c + "'/* && mkdir -p '" + c + "/ref'");
        reference = std::min(reference, scratch.Host("cp '" + u + "/MOVIE.MOV' '" + c + "/ref/' && sync '" + c +
                                                     "/ref/MOVIE.MOV'"));
        scratch.Host("rm -rf '" + c + "'/* && mkdir -p '" + c + "/floor' '" + c + "/card'");
        floor = std::min(floor, bench::Seconds([&] {
            if (!bench::FloorCopy({{scratch.Dos() + "\\MOVIE.MOV", card.Dos() + "\\floor\\MOVIE.MOV"}}))
                std::printf("copy-large: the floor copy failed\n");
        }));
        scratch.Host("rm -rf '" + c + "/floor'");
        CopyTally tally;
        ours = std::min(ours, bench::Seconds([&] {
            tally = RenInDir({scratch.Dos() + "\\MOVIE.MOV"},
                             {.target = card.Dos() + "\\card\\", .maker = "Sony", .extens = "MOV"}, progress,
                             prompts);
        }));
        if (tally.copied != 1) std::printf("copy-large: the copy failed\n");
    }
    bench::Report("copy-large", ours, reference);
    bench::ReportFloor("copy-large", ours, floor);
}
