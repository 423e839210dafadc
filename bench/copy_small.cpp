// copy-small: our copy loop with 200 pictures of 1 MB against cp on the host.
#include "app/transfer/camera_copy.h"
#include "app/transfer/collection.h"
#include "bench/bench_support.h"

using namespace pixa;

int main() {
    bench::Scratch scratch("copysmall");
    std::string u = scratch.Unix();
    scratch.Host("mkdir -p '" + u + "/src' '" + u + "/ref' '" + u + "/card' && cd '" + u +
                 "/src' && for i in $(seq -w 1 200); do head -c 1048576 /dev/urandom > IMG_$i.JPG; done");
    double reference = scratch.Host("cp '" + u + "'/src/* '" + u + "/ref/'");
    SilentProgress silent;
    auto files = CollectFiles({.source = scratch.Dos() + "\\src\\", .includeSub = false, .target = "", .extens = "JPG"},
                              silent);
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
