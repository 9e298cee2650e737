// The program layer as at program start, with the lower layers hooked up as StartUp does.
#pragma once

namespace app {

void Reset();

}  // namespace app
