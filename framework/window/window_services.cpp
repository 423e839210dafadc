#include "framework/window/window_services.h"

namespace pixa {

WindowServices& Services() {
    static WindowServices services;
    return services;
}

}  // namespace pixa
