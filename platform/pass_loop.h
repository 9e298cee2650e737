// The program's loop, handed to the system that runs it: a plain loop on the desktop; in a
// browser one pass per animation frame, so that the page gets control back between frames.
#pragma once

namespace platform {

// Calls `pass` until it returns false, then `finish` once. In a browser this returns at
// once and the passes run from the page's animation frames.
void RunPasses(bool (*pass)(), void (*finish)());

}  // namespace platform
