// The production layer as at program start: no show loaded, no record file open.
#pragma once

namespace production {

void Reset();

}  // namespace production
