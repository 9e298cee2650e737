// `start` and `reload`: asked for in a frame, carried out before the next.
#include "app/show_commands.h"

#include <cstdlib>
#include <optional>
#include <string>

#include "app/main_loop.h"
#include "app/start_time.h"
#include "console/log.h"
#include "console/settings.h"
#include "production/reload.h"

namespace app {
namespace {

std::optional<double> startAsked;
bool reloadAsked = false;

void AskStart(const std::string& argument) {
    char* end = nullptr;
    const double seconds = std::strtod(argument.c_str(), &end);
    if (argument.empty() || *end != '\0' || !(seconds >= 0.0)) {
        console::Print("start needs a time in seconds, e.g. start 150");
        return;
    }
    startAsked = seconds;
}

void AskReload(const std::string&) {
    reloadAsked = true;
}

}  // namespace

void AddShowCommands() {
    console::AddCommand("start", AskStart);
    console::AddCommand("reload", AskReload);
}

void RunAskedCommands() {
    if (reloadAsked) {
        reloadAsked = false;
        production::ReloadShowFiles();
    }
    if (!startAsked) {
        return;
    }
    const double seconds = *startAsked;
    startAsked.reset();
    const double now = static_cast<double>(run.scheduleTimer.Update()) / kTicksPerSecond;
    if (seconds < now) {
        console::Print(
            "The show goes forward only: " + console::FloatToString(static_cast<float>(seconds)) +
            " s is behind " + console::FloatToString(static_cast<float>(now)) + " s");
        return;
    }
    CatchUp(seconds);
}

}  // namespace app
