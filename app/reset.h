// The program layer as at program start, with the lower layers hooked up as StartUp does;
// and the whole program so, for another run in the same process.
#pragma once

namespace app {

void Reset();

// Every layer's state back to its start, what a run left open closed: a second show in
// the same page starts as the first did.
void ResetProgram();

}  // namespace app
