// A fresh temporary folder that is the working directory while it lives, as the
// programs expect.
#pragma once

#include <string>

#include "tools/common/temp_folder.h"

namespace testing_support {

using tools::data::ReadText;

class TempFolder : public tools::data::TempFolder {
public:
    TempFolder();
    ~TempFolder() override;

private:
    std::string previous_;
};

}  // namespace testing_support
