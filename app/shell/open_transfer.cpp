#include "app/shell/open_transfer.h"

#include "app/shell/publics.h"
#include "app/transfer/transfer_dialog.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

void OpenKonvert(const std::shared_ptr<TWindow>& owner) {
    Publics& g = G();
    Konvert(owner, {.cQuelle = g.cQuelle, .cZiel = g.cZiel, .lSubOrd = g.lSubOrd, .lSimulier = g.lSimulier,
                    .cExtens = g.cExtens, .cDFBeg = g.cDFBeg, .nSpeicher = g.nSpeicher, .nColF = g.nColF,
                    .nColBH = g.nColBH, .nTop = g.nTop, .nLeft = g.nLeft, .cMyPath = g.cMyPath, .lPruefen = g.lPruefen});
}

}  // namespace pixa::shell
