// Every state object of the layer back to its start.
#include "production/reset.h"

#include "production/camera_record.h"
#include "production/show.h"

namespace production {

void Reset() {
    CloseCameraRecord();
    show = Show{};
}

}  // namespace production
