// copy-medium: our copy loop with 200 pictures of 1 MB onto the simulated card that writes
// at 20 MB/s and reads at 60 MB/s (tests/support/card_sim.py, mapped by scripts/bench.sh),
// from the start of the copy to its final box, without and with reading every copy back.
// Against the medium's own time (the bytes at its write speed), against cp + sync onto the
// same card on the host, and against the floor: a bare Win32 copy loop with one flush per
// file onto it (and, for the verified copy, that loop plus one plain read of every copy).
// Arguments: the card's drive and its host folder.
#include <fstream>

#include "app/transfer/camera_copy.h"
#include "bench/bench_support.h"
#include "tests/support/layers.h"

using namespace pixa;

namespace {
constexpr int kFiles = 200;
constexpr std::size_t kBytes = 1048576;
constexpr double kWriteSpeed = 20, kReadSpeed = 60;  // MB/s

// An empty card of 512 MB at the benchmark's speeds.
void Format(const std::string& drive) {
    std::ofstream control(drive + "\\.PIXACARD", std::ios::binary);
    control << "format 512\nspeed " << kWriteSpeed << " " << kReadSpeed << "\n";
}

// The floor of reading the copies back: each read once in 1 MiB blocks.
void FloorReadBack(const std::vector<std::pair<std::string, std::string>>& copies) {
    std::vector<char> buffer(1 << 20);
    for (const auto& copy : copies) {
        HANDLE in = CreateFileA(copy.second.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        DWORD got = 0;
        while (in != INVALID_HANDLE_VALUE && ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
               got > 0) {
        }
        CloseHandle(in);
    }
}

double Copy(const std::vector<std::string>& files, const std::string& drive, bool verify) {
    Format(drive);
    bench::PumpingProgress progress;
    bench::NoPrompts prompts;
    CopyTally tally;
    double seconds = bench::Seconds([&] {
        tally = RenInDir(files, {.target = drive + "\\", .verify = verify}, progress, prompts);
    });
    if (tally.copied != kFiles || (verify && tally.checked != kFiles))
        std::printf("copy-medium: only %d copied, %d checked of %d\n", tally.copied, tally.checked, kFiles);
    return seconds;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || GetFileAttributesA((std::string(argv[1]) + "\\.PIXACARD").c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::printf("copy-medium: skipped, no simulated card (FUSE)\n");
        return 0;
    }
    std::string drive = argv[1], host = argv[2];
    bench::Scratch scratch("copymedium");
    scratch.Host(bench::RandomPictures(scratch.Unix() + "/src", kFiles, kBytes));
    bench::ReportLoad("copy-medium", scratch);
    auto files = bench::CollectPictures(scratch.Dos() + "\\src");
    double medium = kFiles * double(kBytes) / (kWriteSpeed * 1048576);
    std::printf("copy-medium: %d pictures of 1 MB, the medium's own time %.3f s (writing at %.0f MB/s, reading at %.0f)\n",
                kFiles, medium, kWriteSpeed, kReadSpeed);

    Format(drive);
    double reference = scratch.Host("cp '" + scratch.Unix() + "'/src/* '" + host + "/' && sync '" + host + "'/*");
    Format(drive);
    std::vector<std::pair<std::string, std::string>> copies;
    for (std::size_t i = 0; i < files.size(); ++i) copies.push_back({files[i], drive + "\\F" + std::to_string(i) + ".JPG"});
    double floor = bench::Seconds([&] {
        if (!bench::FloorCopy(copies)) std::printf("copy-medium: the floor copy failed\n");
    });
    double readBack = bench::Seconds([&] { FloorReadBack(copies); });
    double plain = Copy(files, drive, false);
    double verified = Copy(files, drive, true);
    std::printf("copy-medium-own: ours %.3f s, medium %.3f s, ratio %.2f\n", plain, medium, plain / medium);
    std::printf("copy-medium-verified: ours %.3f s, medium %.3f s, ratio %.2f\n", verified, medium, verified / medium);
    bench::Report("copy-medium", plain, reference);
    bench::ReportFloor("copy-medium", plain, floor);
    bench::ReportFloor("copy-medium-verified", verified, floor + readBack);
    Format(drive);
}
