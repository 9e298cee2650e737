// The one context object, and the guards that record, send changes and count what is not
// drawn.
#include "render/gles/context.h"

#include <cstdio>

#include "console/log.h"

namespace render::gles {

Context& TheContext() {
    static Context context;
    return context;
}

State& Current() {
    return TheContext().state;
}

void ForgetContext() {
    TheContext() = Context();
}

const Counters& ReadCounters() {
    return TheContext().counters;
}

bool InList(std::function<void()> call) {
    Lists& lists = TheContext().lists;
    if (!lists.recording) {
        return false;
    }
    lists.calls.push_back(std::move(call));
    return true;
}

void Unsupported(const std::string& what, GLenum value) {
    Context& context = TheContext();
    ++context.counters.unsupportedCalls;
    char hex[16] = "";
    if (value) {
        std::snprintf(hex, sizeof(hex), " 0x%04X", value);
    }
    const std::string named = what + hex;
    if (context.unsupportedSeen.insert(named).second) {
        console::Print("The GL layer does not draw " + named);
    }
}

}  // namespace render::gles
