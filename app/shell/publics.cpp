#include "app/shell/publics.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

Publics& G() {
    static Publics publics;
    return publics;
}

}  // namespace pixa::shell
