// The console's commands for show makers: `start T` goes to T seconds of the show, `reload`
// reads the show's files again where it stands. Each is carried out between two frames.
#pragma once

namespace app {

// Adds both commands to the console.
void AddShowCommands();
// Carries out what the console asked for since the last frame.
void RunAskedCommands();

}  // namespace app
