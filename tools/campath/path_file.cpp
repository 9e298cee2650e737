// Reading and writing camera paths as binary records and as CSV rows.
#include "tools/campath/path_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "tools/common/whole_file.h"

namespace tools::campath {
namespace {

constexpr const char* kCsvHeader = "second,x,y,z,w,heading,pitch";

std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

// One comma-separated field as a float; false when it is not wholly a number.
bool ParseField(const std::string& field, float& value) {
    if (field.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtof(field.c_str(), &end);
    return errno == 0 && *end == '\0';
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, ',')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.emplace_back();
    }
    return fields;
}

CameraKey ParseRow(const std::string& line, size_t expectedSecond, size_t lineNumber) {
    auto fail = [&](const std::string& why) {
        return std::runtime_error("line " + std::to_string(lineNumber) + ": " + why);
    };
    std::vector<std::string> fields = Fields(line);
    if (fields.size() != 7) {
        throw fail("expected 7 fields (" + std::string(kCsvHeader) + "), found " +
                   std::to_string(fields.size()));
    }
    float values[7];
    for (size_t i = 0; i < 7; ++i) {
        if (!ParseField(fields[i], values[i])) {
            throw fail("\"" + fields[i] + "\" is not a number");
        }
    }
    if (values[0] != static_cast<float>(expectedSecond)) {
        throw fail("second " + fields[0] + " where " + std::to_string(expectedSecond) +
                   " belongs: keys lie one second apart from 0");
    }
    return CameraKey{values[1], values[2], values[3], values[4], values[5], values[6]};
}

}  // namespace

std::vector<CameraKey> ReadPathFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error(path + ": cannot be opened");
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    if (bytes.size() % production::kCameraRecordSize != 0) {
        throw std::runtime_error(path + ": " + std::to_string(bytes.size()) +
                                 " bytes is not a whole number of 28-byte keys");
    }
    std::vector<CameraKey> keys;
    for (size_t at = 0; at < bytes.size(); at += production::kCameraRecordSize) {
        keys.push_back(production::DecodeCameraKey(&bytes[at]));
    }
    return keys;
}

void WritePathFile(const std::string& path, const std::vector<CameraKey>& keys) {
    std::vector<uint8_t> bytes(keys.size() * production::kCameraRecordSize);
    for (size_t i = 0; i < keys.size(); ++i) {
        production::EncodeCameraKey(keys[i], &bytes[i * production::kCameraRecordSize]);
    }
    tools::data::WriteWholeFile(path, bytes);
}

std::string PathCsv(const std::vector<CameraKey>& keys) {
    std::string text = std::string(kCsvHeader) + "\n";
    for (size_t i = 0; i < keys.size(); ++i) {
        const CameraKey& k = keys[i];
        text += std::to_string(i);
        for (float value : {k.x, k.y, k.z, k.w, k.heading, k.pitch}) {
            text += "," + Number(value);
        }
        text += "\n";
    }
    return text;
}

std::vector<CameraKey> ParsePathCsv(const std::string& text) {
    std::vector<CameraKey> keys;
    std::istringstream in(text);
    std::string line;
    for (size_t lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || (lineNumber == 1 && line == kCsvHeader)) {
            continue;
        }
        keys.push_back(ParseRow(line, keys.size(), lineNumber));
    }
    return keys;
}

}  // namespace tools::campath
