// copy-small: our copy loop with 200 pictures of 1 MB onto the card, against cp + sync of
// the copied files on the host, and against the floor: a bare Win32 copy loop with one
// flush per file. Arguments (from scripts/bench.sh): the card's drive, host folder, medium.
// Copies swing with what else the machine does, so the three take turns twice and each
// keeps its faster run.
#include <algorithm>

#include "app/transfer/camera_copy.h"
#include "bench/bench_support.h"
#include "tests/support/layers.h"

using namespace pixa;

int main(int argc, char** argv) {
    auto medium = bench::CardMedium::FromArgs(argc, argv);
    bench::Scratch scratch("copysmall");
    bench::Scratch card("copysmall-card", medium.unixRoot, medium.dosRoot);
    std::string u = scratch.Unix(), c = card.Unix();
    std::printf("copy-small: card on %s\n", medium.Describe().c_str());
    scratch.Host(bench::RandomPictures(u + "/src", 200, 1048576));
    bench::ReportLoad("copy-small", scratch);
    auto files = bench::CollectPictures(scratch.Dos() + "\\src");
    std::vector<std::pair<std::string, std::string>> copies;
    for (std::size_t i = 0; i < files.size(); ++i)
        copies.push_back({files[i], card.Dos() + "\\floor\\F" + std::to_string(i) + ".JPG"});
    bench::PumpingProgress progress;
    bench::NoPrompts prompts;
    double reference = 1e9, floor = 1e9, ours = 1e9;
    for (int round = 0; round < 2; ++round) {
        scratch.Host("rm -rf '" + c + "'/* && mkdir -p '" + c + "/ref' '" + c + "/floor' '" + c + "/card'");
        reference = std::min(reference, scratch.Host("cp '" + u + "'/src/* '" + c + "/ref/' && sync '" + c + "'/ref/*"));
        floor = std::min(floor, bench::Seconds([&] {
            if (!bench::FloorCopy(copies)) std::printf("copy-small: the floor copy failed\n");
        }));
        CopyTally tally;
        ours = std::min(ours, bench::Seconds([&] {
            tally = RenInDir(files, {.target = card.Dos() + "\\card\\", .maker = "Sony", .extens = "JPG"}, progress,
                             prompts);
        }));
        if (tally.copied != 200) std::printf("copy-small: only %d of 200 files copied\n", tally.copied);
    }
    bench::Report("copy-small", ours, reference);
    bench::ReportFloor("copy-small", ours, floor);
}
