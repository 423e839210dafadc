#include "runtime/settings.h"

namespace pixa {

RuntimeSettings& Settings() {
    static RuntimeSettings settings;
    return settings;
}

}  // namespace pixa
