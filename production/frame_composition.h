// One frame of the current part: the state it moves on, and its drawing and presenting.
#pragma once

namespace production {

// Moves on what a frame changes whether or not it is drawn: the frame stamp, the camera's
// change test, the fires' particles.
void AdvanceFrame();
// Draws the frame that AdvanceFrame prepared and presents it.
void DrawFrame();
// For a frame advanced but not drawn: the view test's planes as its drawing would have
// left them, so that the next frame drawn culls as it would in a run that drew them all.
void KeepViewTest();

}  // namespace production
