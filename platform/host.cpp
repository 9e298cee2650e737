// The platform layer's one state object.
#include "platform/host.h"

namespace platform {

Host host;

}  // namespace platform
