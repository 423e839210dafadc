// name-search: 100 copies onto a card folder already holding 5,000 camera files,
// against the same copies onto an empty folder (both ours).
#include "app/transfer/camera_copy.h"
#include "bench/bench_support.h"

using namespace pixa;

int main() {
    bench::Scratch scratch("namesearch");
    std::string u = scratch.Unix();
    scratch.Host("mkdir -p '" + u + "/full' '" + u + "/empty' && " + bench::RandomPictures(u + "/src", 100, 262144) +
                 " && cd '" + u + "/full' && python3 -c \"[open('DSC%05d.JPG' % n, 'w').close() for n in range(1, 5001)]\"");
    auto files = bench::CollectPictures(scratch.Dos() + "\\src");
    bench::PumpingProgress progress;
    bench::NoPrompts prompts;
    auto run = [&](const char* folder) {
        return bench::Seconds([&] {
            RenInDir(files, {.target = scratch.Dos() + "\\" + folder + "\\", .maker = "Sony", .extens = "JPG"},
                     progress, prompts);
        });
    };
    double empty = run("empty");
    double full = run("full");
    bench::Report("name-search", full, empty);
}
