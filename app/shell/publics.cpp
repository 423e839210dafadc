#include "app/shell/publics.h"

namespace pixa::app {

Publics& G() {
    static Publics publics;
    return publics;
}

}  // namespace pixa::app
