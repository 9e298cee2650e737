// Closing what a run left open before the platform's state goes back to its start.
#include "platform/reset.h"

#include "platform/audio.h"
#include "platform/host.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace platform {

void Reset() {
    // Closing the device first stops its mixing thread from reading the channels.
    BASS_Free();
    ClearMessages();
    ReleaseContext();
    DestroyWindow();
    StopVideo();
    host = Host{};
}

}  // namespace platform
