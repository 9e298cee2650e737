// Hands read-back frames to a thread that writes them (PNG files or the video pipe), so the
// render thread reads back frame N+1 while frame N is being written. At most a few frames
// are in flight; their buffers are reused.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tools::capture {

// A frame as read back: BGRA bytes, bottom row first.
struct Frame {
    int index = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgra;
};

class FrameWriter {
public:
    using Sink = std::function<void(const Frame&)>;

    explicit FrameWriter(Sink sink);
    // Writes what is still queued, then stops the thread.
    ~FrameWriter();
    FrameWriter(const FrameWriter&) = delete;
    FrameWriter& operator=(const FrameWriter&) = delete;

    // A buffer to read the next frame into; waits while every buffer is in flight.
    Frame Take();
    // Queues a filled frame for the writing thread.
    void Hand(Frame frame);

private:
    static constexpr size_t kFramesInFlight = 3;

    void WriteQueued();

    Sink sink_;
    std::mutex lock_;
    std::condition_variable changed_;
    std::deque<Frame> queued_;
    std::vector<Frame> spare_;
    size_t outstanding_ = 0;  // frames taken and not yet written
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace tools::capture
