// Running the frame loop on the virtual clock and keeping the frames asked for.
#include "tools/capture/capture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/main_loop.h"
#include "console/settings.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "render/display.h"
#include "render/frame_stats.h"
#include "tools/data/image.h"
#include "tools/data/png_writer.h"
#include "tools/data/prerequisites.h"
#include "tools/data/wav.h"

namespace tools::capture {
namespace {

using tools::data::Image;

// The frame just drawn, top row first.
Image ReadFrame(int width, int height) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = &pixels[static_cast<size_t>(height - 1 - y) * width * 4];
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = {row[4 * x], row[4 * x + 1], row[4 * x + 2], 255};
        }
    }
    return image;
}

bool WriteFile(const std::vector<uint8_t>& bytes, const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool WritePng(const Image& image, const std::string& path) {
    return WriteFile(tools::data::EncodePng(image), path);
}

// The mix of one frame's stretch of time, appended as 16-bit stereo.
void HearFrame(int fps, tools::data::Pcm& soundtrack) {
    std::vector<float> mix(static_cast<size_t>(soundtrack.sampleRate / fps) * 2);
    platform::MixAudio(mix.data(), mix.size() / 2);
    for (float value : mix) {
        soundtrack.samples.push_back(static_cast<int16_t>(std::clamp(value, -1.0f, 1.0f) * 32767));
    }
}

// Every frame and the soundtrack into one video, where ffmpeg is installed.
void EncodeVideo(const CaptureOptions& options) {
    const tools::data::ExternalTool ffmpeg{"ffmpeg", "ffmpeg"};
    const std::string& folder = options.outputFolder;
    try {
        tools::data::RequireTool(ffmpeg);
        tools::data::RunTool(
            ffmpeg,
            {"-loglevel", "error", "-y", "-framerate", std::to_string(options.fps), "-i",
             folder + "/frame_%06d.png", "-i", folder + "/soundtrack.wav", "-c:v", "libx264",
             "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", folder + "/show.mp4"});
        std::printf("video: %s/show.mp4\n", folder.c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvane-capture: no video made: %s\n", error.what());
    }
}

// Half-size copies of the frames, four to a row.
Image LayOut(const std::vector<Image>& frames) {
    const int columns = 4;
    int w = frames[0].width() / 2;
    int h = frames[0].height() / 2;
    int rows = (static_cast<int>(frames.size()) + columns - 1) / columns;
    Image sheet(columns * w + (columns + 1) * 4, rows * h + (rows + 1) * 4);
    for (size_t i = 0; i < frames.size(); ++i) {
        Image half(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                half.at(x, y) = frames[i].at(2 * x, 2 * y);
            }
        }
        int column = static_cast<int>(i) % columns;
        int row = static_cast<int>(i) / columns;
        sheet.Paste(half, 4 + column * (w + 4), 4 + row * (h + 4));
    }
    return sheet;
}

void ShowProgress(double seconds, double end) {
    const int width = 40;
    int done = std::min(width, static_cast<int>(width * seconds / end));
    std::fprintf(stderr, "\r[%s%s] %6.1f s / %.0f s", std::string(done, '#').c_str(),
                 std::string(width - done, ' ').c_str(), seconds, end);
}

}  // namespace

int RunCapture(const CaptureOptions& options) {
    std::filesystem::create_directories(options.outputFolder);
    platform::UseOffscreenVideo();
    platform::VirtualClock clock;
    platform::UseClock(&clock);
    platform::UseManualAudio(true);
    console::settings.display_Width = options.width;
    console::settings.display_Height = options.height;
    app::StartUp();

    std::vector<double> times = options.times;
    std::sort(times.begin(), times.end());
    const double end = times.empty() ? 336.0 : times.back();
    const int64_t step = app::kTicksPerSecond / options.fps;
    std::vector<Image> kept;
    tools::data::Pcm soundtrack;
    soundtrack.sampleRate = 44100;
    soundtrack.channels = 2;
    size_t nextTime = 0;
    int written = 0;
    int shownSecond = -1;
    while (app::run.quitRequested == 0) {
        uint64_t before = render::display.frameStats.frameCount;
        double now = static_cast<double>(app::run.scheduleTimer.Update()) / app::kTicksPerSecond;
        if (!app::LoopPass()) {
            break;
        }
        if (render::display.frameStats.frameCount == before) {
            continue;  // a window message was handled instead of a frame
        }
        HearFrame(options.fps, soundtrack);
        bool keep = times.empty() || (nextTime < times.size() && now >= times[nextTime]);
        if (keep) {
            Image frame = ReadFrame(options.width, options.height);
            char name[64];
            std::snprintf(name, sizeof name, "/frame_%06d.png", written);
            WritePng(frame, options.outputFolder + name);
            ++written;
            if (!options.contactSheet.empty()) {
                kept.push_back(std::move(frame));
            }
            while (nextTime < times.size() && now >= times[nextTime]) {
                ++nextTime;
            }
        }
        if (static_cast<int>(now) != shownSecond) {
            shownSecond = static_cast<int>(now);
            ShowProgress(now, end);
        }
        if (!times.empty() && nextTime >= times.size()) {
            break;
        }
        clock.Advance(step);
    }
    std::fputc('\n', stderr);
    app::ShutDown();
    platform::UseClock(nullptr);
    if (!kept.empty()) {
        WritePng(LayOut(kept), options.contactSheet);
    }
    WriteFile(tools::data::EncodeWav(soundtrack), options.outputFolder + "/soundtrack.wav");
    if (times.empty() && written > 0) {
        EncodeVideo(options);
    }
    return written;
}

}  // namespace tools::capture
