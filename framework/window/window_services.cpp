#include "framework/window/window_services.h"

namespace pixa::window {

WindowServices& Services() {
    static WindowServices services;
    return services;
}

}  // namespace pixa::window
