// Every state object of the layer back to its start.
#include "console/reset.h"

#include "console/log.h"
#include "console/settings.h"

namespace console {

void Reset() {
    console = Console{};
    settings = Settings{};
}

}  // namespace console
