// Opening and closing the record file, keeping the path a recording would overwrite.
#include "production/camera_record.h"

#include <cstdio>
#include <string>

#include "console/log.h"
#include "platform/files.h"
#include "production/show.h"

namespace production {
namespace {

constexpr const char* kRecordName = "Campath1.vcp";

// The first of PATH.1, PATH.2, ... that no file or folder takes yet.
std::string FreeKeepName(const std::string& path) {
    for (int n = 1;; ++n) {
        std::string name = path + "." + std::to_string(n);
        if (platform::FileSize(name) < 0) {
            return name;
        }
    }
}

// False when a path is there and could not be moved out of the way.
bool KeepEarlierPath() {
    std::string path = platform::ResolvePath(kRecordName);
    if (platform::FileSize(path) <= 0) {
        return true;
    }
    std::string kept = FreeKeepName(path);
    if (!platform::RenameFile(path, kept)) {
        console::Print("Can't keep the camera path " + path + " as " + kept +
                       ", so nothing is recorded");
        return false;
    }
    console::Print("Camera path " + path + " kept as " + kept);
    return true;
}

}  // namespace

void OpenCameraRecord() {
    if (KeepEarlierPath()) {
        show.cameraRecordFile = platform::OpenFile(kRecordName, "wb");
    }
}

void CloseCameraRecord() {
    if (show.cameraRecordFile) {
        std::fclose(show.cameraRecordFile);
        show.cameraRecordFile = nullptr;
    }
}

}  // namespace production
