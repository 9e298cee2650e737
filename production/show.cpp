// The show's state object.
#include "production/show.h"

namespace production {

Show show;

}  // namespace production
