// copy-small: our copy loop with 200 pictures of 1 MB against cp on the host.
#include "app/transfer/camera_copy.h"
#include "bench/bench_support.h"

using namespace pixa;

int main() {
    bench::Scratch scratch("copysmall");
    std::string u = scratch.Unix();
    scratch.Host("mkdir -p '" + u + "/ref' '" + u + "/card' && " + bench::RandomPictures(u + "/src", 200, 1048576));
    double reference = scratch.Host("cp '" + u + "'/src/* '" + u + "/ref/'");
    auto files = bench::CollectPictures(scratch.Dos() + "\\src");
    bench::PumpingProgress progress;
    bench::NoPrompts prompts;
    CopyTally tally;
    double ours = bench::Seconds([&] {
        tally = RenInDir(files, {.target = scratch.Dos() + "\\card\\", .maker = "Sony", .extens = "JPG"}, progress,
                         prompts);
    });
    if (tally.copied != 200) std::printf("copy-small: only %d of 200 files copied\n", tally.copied);
    bench::Report("copy-small", ours, reference);
}
