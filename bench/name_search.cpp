// name-search: 100 copies onto a card folder already holding 5,000 camera files, against
// the same copies onto an empty folder (both ours), and against the floor: a bare Win32
// copy loop writing the same 100 files into the full folder under names known beforehand.
// Arguments (from scripts/bench.sh): the card's drive, host folder, medium.
#include "app/transfer/camera_copy.h"
#include "bench/bench_support.h"
#include "tests/support/layers.h"

using namespace pixa;

int main(int argc, char** argv) {
    auto medium = bench::CardMedium::FromArgs(argc, argv);
    bench::Scratch scratch("namesearch");
    bench::Scratch card("namesearch-card", medium.unixRoot, medium.dosRoot);
    std::string u = scratch.Unix(), c = card.Unix();
    std::printf("name-search: card on %s\n", medium.Describe().c_str());
    std::string fill = "python3 -c \"[open('DSC%05d.JPG' % n, 'w').close() for n in range(1, 5001)]\"";
    scratch.Host("mkdir -p '" + c + "/full' '" + c + "/empty' '" + c + "/floor' && " +
                 bench::RandomPictures(u + "/src", 100, 262144) + " && cd '" + c + "/full' && " + fill + " && cd '" +
                 c + "/floor' && " + fill);
    bench::ReportLoad("name-search", scratch);
    auto files = bench::CollectPictures(scratch.Dos() + "\\src");
    std::vector<std::pair<std::string, std::string>> copies;
    for (std::size_t i = 0; i < files.size(); ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "DSC%05zu.JPG", 5001 + i);
        copies.push_back({files[i], card.Dos() + "\\floor\\" + name});
    }
    double floor = bench::Seconds([&] {
        if (!bench::FloorCopy(copies)) std::printf("name-search: the floor copy failed\n");
    });
    // The platform's part: the same bare copies into an empty folder.
    for (auto& copy : copies) copy.second = card.Dos() + "\\" + copy.second.substr(copy.second.find_last_of('\\') + 1);
    double floorEmpty = bench::Seconds([&] { bench::FloorCopy(copies); });
    std::printf("name-search: the floor itself onto the empty folder %.3f s\n", floorEmpty);
    bench::PumpingProgress progress;
    bench::NoPrompts prompts;
    auto run = [&](const char* folder) {
        return bench::Seconds([&] {
            auto tally = RenInDir(files, {.target = card.Dos() + "\\" + folder + "\\", .maker = "Sony", .extens = "JPG"},
                                  progress, prompts);
            if (tally.copied != 100) std::printf("name-search: only %d of 100 files copied\n", tally.copied);
        });
    };
    double empty = run("empty");
    double full = run("full");
    bench::Report("name-search", full, empty);
    bench::ReportFloor("name-search", full, floor);
}
