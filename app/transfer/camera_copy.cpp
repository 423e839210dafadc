#include "app/transfer/camera_copy.h"

#include <algorithm>

#include "app/transfer/camera_names.h"
#include "app/transfer/copy_verification.h"
#include "app/transfer/directory.h"
#include "app/transfer/file_copy.h"
#include "app/transfer/leftover_temporaries.h"
#include "runtime/frame.h"
#include "platform/wide_path.h"
#include "runtime/string_order.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

std::string FinalAction(const CopyTally& tally) {
    if (tally.interrupted || tally.numbersExhausted || tally.targetLost) return kAbortedAction;
    if (tally.failed > 0) return "Die Übertragung wurde mit Fehlern abgeschlossen";
    return "Übertragung erfolgreich abgeschlossen ";
}
// Counts one file's copy in the tally.
void Count(CopyTally& tally, const CopyOutcome& outcome, const std::string& file) {
    if (outcome.name) {
        ++tally.copied;
        return;
    }
    ++tally.failed;
    tally.notCopied.push_back(StoredSpellingOf(file));  // as the user sees it in the file manager
    tally.targetLost = outcome.targetLost;
}

std::string Copies(int count) { return count == 1 ? "1 Kopie" : std::to_string(count) + " Kopien"; }

// Looks again at the checked copies; overwritten ones are said first, before the final
// box, and count as not copied.
void ReportOverwritten(CopyVerifier& verifier, CopyTally& tally, TransferPrompts& prompts) {
    std::vector<std::string> overwritten = verifier.Overwritten();
    tally.checked = verifier.Checked();
    if (overwritten.empty()) return;
    tally.overwritten = static_cast<int>(overwritten.size());
    tally.copied -= tally.overwritten;
    tally.failed += tally.overwritten;
    for (const auto& source : overwritten) tally.notCopied.push_back(StoredSpellingOf(source));
    prompts.Stop("Die Speicherkarte behält nicht, was auf sie geschrieben wird: " + Copies(tally.overwritten) +
                     (tally.overwritten == 1 ? " war" : " waren") +
                     " bei der Prüfung richtig und ist bis zum Ende der Übertragung überschrieben worden. "
                     "Die Karte hat wahrscheinlich weniger Speicher, als sie angibt (eine gefälschte Karte), "
                     "oder sie ist defekt. Verwenden Sie diese Karte nicht mehr für Ihre Bilder; die "
                     "überschriebenen Kopien wurden entfernt.",
                 "Speicherkarte fehlerhaft");
}
}  // namespace

void TellInterrupted(TransferPrompts& prompts) { prompts.Stop("Der Datentransfer wurde abgebrochen !", "Unterbrechung"); }

namespace {
// How many copies were read back and found right, when any were.
std::string CheckedText(const CopyTally& tally) {
    if (tally.checked == 0) return {};
    return "\r\n" + Copies(tally.checked) + (tally.checked == 1 ? " wurde" : " wurden") + " auf der Karte nachgeprüft.";
}
}  // namespace

std::string CopyResultText(const CopyTally& tally) {
    std::string text = "Es wurden " + std::to_string(tally.copied) + " Dateien erfolgreich konvertiert";
    if (tally.failed == 0) return text + "." + CheckedText(tally);
    text += ", " + std::to_string(tally.failed) +
            (tally.failed == 1 ? " Datei konnte nicht kopiert werden:" : " Dateien konnten nicht kopiert werden:");
    // Named, so that the user can find them; a long list is cut to keep the box on the screen.
    constexpr std::size_t kNamesShown = 10;
    std::size_t shown = std::min(tally.notCopied.size(), kNamesShown);
    for (std::size_t i = 0; i < shown; ++i) text += "\r\n" + platform::ShownPath(tally.notCopied[i]);
    if (tally.notCopied.size() > shown)
        text += "\r\n… und " + std::to_string(tally.notCopied.size() - shown) + " weitere";
    return text + CheckedText(tally);
}

CopyTally RenInDir(std::vector<std::string> files, const CameraCopyRequest& request, TransferProgress& progress,
                   TransferPrompts& prompts) {
    Frame frame("RenInDir");
    frame.Local(Value()).Local(Value());  // the file being copied and its camera name
    ASort(files);
    CameraNamer namer(request.target, request.maker, request.extens, request.lastNumber);
    progress.SetMeterTotal(static_cast<int>(files.size()));
    progress.SetMeterPos(0);
    if (!request.simulate) RemoveLeftoverTemporaries(namer.Folder());
    CopyTally tally;
    CopyVerifier verifier;
    bool verify = request.verify && !request.simulate;
    for (std::size_t i = 0; i < files.size(); ++i) {
        progress.SetAction("Kopieren: " + NameOf(platform::ShownPath(files[i])));
        // A name taken on the card after its listing makes the copy ask for the next one.
        auto nextName = [&] {
            auto name = namer.NextFree(files[i], [&] { progress.Pump(); });
            tally.numbersExhausted = !name;
            return name;
        };
        auto target = nextName();
        frame.At();
        frame.SetLocal(1, platform::ShownPath(files[i]));
        if (target) frame.SetLocal(2, *target);
        if (target) {
            CopyOutcome outcome = request.simulate ? CopyOutcome{.name = target} : CopyToNewName(files[i], *target, nextName);
            if (verify && outcome.name) outcome = verifier.Check(files[i], *outcome.name);
            Count(tally, outcome, files[i]);
        }
        if (tally.targetLost) {
            prompts.Stop("Die Speicherkarte ist nicht mehr erreichbar oder schreibgeschützt (" +
                             platform::ShownPath(namer.Folder()) + "). Die Übertragung wurde beendet.",
                         "Übertragung");
            break;
        }
        if (tally.numbersExhausted) {
            prompts.Stop("Die Dateinummern der Kamera sind aufgebraucht (höchste Nummer 99999). "
                         "Die übrigen Dateien wurden nicht übertragen.",
                         "Keine freie Dateinummer");
            break;
        }
        progress.SetMeterPos(static_cast<int>(i + 1));
        if (progress.BreakRequested()) {
            tally.interrupted = true;
            TellInterrupted(prompts);
            break;
        }
    }
    if (verify && !tally.targetLost) ReportOverwritten(verifier, tally, prompts);
    progress.SetAction(FinalAction(tally));
    prompts.Info(CopyResultText(tally), request.simulate ? "Simulation beendet" : "Konvertierung beendet");
    return tally;
}

}  // namespace pixa::transfer
