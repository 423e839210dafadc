#include "app/transfer/copy_verification.h"

#include "app/transfer/base_error.h"
#include "app/transfer/copy_check.h"
#include "app/transfer/folders.h"
#include "app/transfer/target_folder.h"
#include "platform/wide_path.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
constexpr int kSubVerify = 2016;

// The error of a copy that does not hold its picture's bytes.
bool RetryBadCopy(const std::string& source, const std::string& copy, Comparison found) {
    BaseErrorInfo info = FileError(kGenWrite, kSubVerify,
                                   found == Comparison::Differs ? "Verify error: the copy differs"
                                                                : "Verify error: the copy cannot be read back",
                                   copy, 0);
    info.operation = "Kopieren: " + platform::ShownPath(source);
    return RaiseBaseError(info) == ErrorAnswer::Retry;
}
}  // namespace

CopyOutcome CopyVerifier::Check(const std::string& source, const std::string& copy) {
    for (;;) {
        Comparison found = CompareCopy(source, copy);
        if (found == Comparison::Same) {
            passed_.emplace_back(source, copy);
            return {.name = copy};
        }
        bool lost = !TakesFiles(FolderPart(copy));
        if (!lost && RetryBadCopy(source, copy, found)) {
            if (__CopyFile(source, copy)) continue;
            lost = !TakesFiles(FolderPart(copy));
        }
        FErase(copy);
        return {.name = std::nullopt, .targetLost = lost};
    }
}

std::vector<std::string> CopyVerifier::Overwritten() {
    std::vector<std::string> sources;
    std::vector<std::pair<std::string, std::string>> kept;
    for (auto& [source, copy] : passed_) {
        if (CompareSamples(source, copy) != Comparison::Differs) {  // unreadable now: not proof of a wrap
            kept.emplace_back(std::move(source), std::move(copy));
            continue;
        }
        FErase(copy);
        sources.push_back(std::move(source));
    }
    passed_ = std::move(kept);
    return sources;
}

}  // namespace pixa::transfer
