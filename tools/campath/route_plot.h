// A top-down picture of a camera path: the route over the ground plane (x to the right,
// z downwards), each part's stretch in its own colour, a ring where each part begins, and a
// strip of the parts' colours in order along the bottom.
#pragma once

#include <vector>

#include "tools/campath/path_file.h"
#include "tools/common/image.h"

namespace tools::campath {

constexpr int kPlotSize = 800;
constexpr int kLegendHeight = 24;

// The colour of `part` in the plot.
tools::data::Rgba PartColour(int part);

// Steps longer than `jumpLimit` (cuts between scenes) are drawn as dots, not lines.
tools::data::Image PlotRoute(const std::vector<CameraKey>& keys, float jumpLimit);

}  // namespace tools::campath
