#pragma once
// The platform's reason for a failed file operation, for messages to the user.
#include <string>

#include "app/shell/namespace.h"

namespace pixa::shell {

// The reason for a platform error code: German for the codes a user meets with
// files (access denied, in use, write-protected, disk full, missing path), else
// the platform's own text (which may be English), always with the code.
std::string SystemErrorText(unsigned long code);

}  // namespace pixa::shell
