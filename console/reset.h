// The console layer as at program start: the console screen and the console variables.
#pragma once

namespace console {

void Reset();

}  // namespace console
