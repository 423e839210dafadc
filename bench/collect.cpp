// collect: our collection of 20,000 files in 2,000 folders against find | sort on the host.
#include "app/transfer/collection.h"
#include "bench/bench_support.h"

using namespace pixa;

int main() {
    bench::Scratch scratch("collect");
    // 100 folders with 19 subfolders each (2,000 folders), 10 pictures in each subfolder
    // and 10 in each top folder... = 20,000 files, written on the host.
    scratch.Host("cd '" + scratch.Unix() +
                 "' && python3 -c \""
                 "import os\n"
                 "for d in range(100):\n"
                 "  top = 'Ordner%03d' % d\n"
                 "  for s in range(19):\n"
                 "    os.makedirs('%s/Sub%02d' % (top, s))\n"
                 "    for f in range(10 if s else 20): open('%s/Sub%02d/IMG_%04d.JPG' % (top, s, f), 'w').close()\n"
                 "\"");
    double reference =
        scratch.Host("find '" + scratch.Unix() + "' -type f -iname '*.jpg' | LC_ALL=C sort > /dev/null");
    std::size_t count = 0;
    SilentProgress progress;
    double ours = bench::Seconds([&] {
        count = CollectFiles({.source = scratch.Dos() + "\\", .includeSub = true, .target = "", .extens = "JPG"},
                             progress)
                    .size();
    });
    if (count != 20000) std::printf("collect: expected 20000 files, found %zu\n", count);
    bench::Report("collect", ours, reference);
}
