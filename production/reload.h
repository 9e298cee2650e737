// Loading the show's files again while it plays, so that a changed scene, texture or camera
// path is seen at once, at the moment the show stands at.
#pragma once

namespace production {

// Reads again every scene, every texture loaded from a file (the scenes', the fire's, the
// title pictures) and, when the path is played, Campath1.vcp. A file that no longer reads
// is logged and what was loaded from it before stays.
void ReloadShowFiles();

}  // namespace production
