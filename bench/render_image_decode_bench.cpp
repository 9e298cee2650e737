// Decode throughput of the image readers on a 1024 × 1024 picture: TGA raw and
// run-length, JPEG. Prints megabytes of decoded pixels per second.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/jpeg.h"
#include "render/tga.h"
#include "tools/common/image.h"
#include "tools/common/jpeg_writer.h"
#include "tools/common/tga_writer.h"

namespace {

constexpr int kSide = 1024;
constexpr int kRounds = 20;

// Runs of eight equal pixels on a smooth gradient: something for run-length packets to
// find and for JPEG to encode without artefacts dominating.
tools::data::Image Picture() {
    tools::data::Image image(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            int block = x / 8;
            image.at(x, y) = {static_cast<uint8_t>(block * 2), static_cast<uint8_t>(y / 4),
                              static_cast<uint8_t>((block + y) & 0xFF), 255};
        }
    }
    return image;
}

void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

// Runs `decode` kRounds times; prints decoded RGB megabytes per second.
void Measure(const char* label, size_t fileBytes, const std::function<bool()>& decode) {
    auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) {
        if (!decode()) {
            std::printf("%-22s failed\n", label);
            return;
        }
    }
    std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    double decoded = static_cast<double>(kSide) * kSide * 3 * kRounds / 1e6;
    std::printf("%-22s %8.1f MB/s decoded  (file %.2f MB, %.2f ms per image)\n", label,
                decoded / seconds.count(), static_cast<double>(fileBytes) / 1e6,
                seconds.count() * 1000.0 / kRounds);
}

}  // namespace

int main() {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "torvane-bench";
    std::filesystem::create_directories(folder);
    tools::data::Image picture = Picture();
    std::string raw = (folder / "raw.tga").string();
    std::string rle = (folder / "rle.tga").string();
    std::vector<uint8_t> rawBytes = tools::data::EncodeTga(picture, {24, false});
    std::vector<uint8_t> rleBytes = tools::data::EncodeTga(picture, {24, true});
    std::vector<uint8_t> jpegBytes = tools::data::EncodeJpeg(picture, 90);
    Write(raw, rawBytes);
    Write(rle, rleBytes);

    std::printf("Image decoding, %d x %d, %d rounds (TGA includes reading the file)\n", kSide,
                kSide, kRounds);
    render::TgaImage image;
    Measure("TGA 24-bit raw", rawBytes.size(), [&] { return render::ReadTga(raw, image); });
    Measure("TGA 24-bit run-length", rleBytes.size(), [&] { return render::ReadTga(rle, image); });
    platform::JpegImage jpeg;
    std::string error;
    Measure("JPEG quality 90", jpegBytes.size(),
            [&] { return platform::DecodeJpeg(jpegBytes, jpeg, error); });
    std::filesystem::remove_all(folder);
    return 0;
}
