// The writing thread and the small pool of frame buffers it shares with the render thread.
#include "tools/capture/frame_writer.h"

namespace tools::capture {

FrameWriter::FrameWriter(Sink sink) : sink_(std::move(sink)), thread_([this] { WriteQueued(); }) {}

FrameWriter::~FrameWriter() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

Frame FrameWriter::Take() {
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this] { return outstanding_ < kFramesInFlight; });
    ++outstanding_;
    if (spare_.empty()) {
        return Frame{};
    }
    Frame frame = std::move(spare_.back());
    spare_.pop_back();
    return frame;
}

void FrameWriter::Hand(Frame frame) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        queued_.push_back(std::move(frame));
    }
    changed_.notify_all();
}

void FrameWriter::WriteQueued() {
    std::unique_lock<std::mutex> guard(lock_);
    while (true) {
        changed_.wait(guard, [this] { return stopping_ || !queued_.empty(); });
        if (queued_.empty()) {
            return;  // stopping, and everything handed over is written
        }
        Frame frame = std::move(queued_.front());
        queued_.pop_front();
        guard.unlock();
        sink_(frame);
        guard.lock();
        spare_.push_back(std::move(frame));
        --outstanding_;
        changed_.notify_all();
    }
}

}  // namespace tools::capture
