// copy-large: our copy of one 1 GB file against cp on the host.
#include "app/transfer/camera_copy.h"
#include "bench/bench_support.h"

using namespace pixa;

int main() {
    bench::Scratch scratch("copylarge");
    std::string u = scratch.Unix();
    scratch.Host("mkdir -p '" + u + "/ref' '" + u + "/card' && head -c 1073741824 /dev/urandom > '" + u +
                 "/MOVIE.MOV'");
    double reference = scratch.Host("cp '" + u + "/MOVIE.MOV' '" + u + "/ref/'");
    scratch.Host("rm -f '" + u + "/ref/MOVIE.MOV'");  // keep at most two copies on the disk
    bench::PumpingProgress progress;
    bench::NoPrompts prompts;
    CopyTally tally;
    double ours = bench::Seconds([&] {
        tally = RenInDir({scratch.Dos() + "\\MOVIE.MOV"},
                         {.target = scratch.Dos() + "\\card\\", .maker = "Sony", .extens = "MOV"}, progress, prompts);
    });
    if (tally.copied != 1) std::printf("copy-large: the copy failed\n");
    bench::Report("copy-large", ours, reference);
}
