// The effects layer as at program start: the glow maker unbuilt.
#pragma once

namespace effects {

void Reset();

}  // namespace effects
