// Word-oriented reading of the scene text files.
#include "scene/word_reader.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "console/log.h"
#include "platform/files.h"

namespace scene {
namespace {

// The longest word the format reads at once; a longer run is cut into several words.
constexpr size_t kMaxWord = 254;

bool IsBlank(uint8_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int64_t CountWords(const uint8_t* begin, const uint8_t* end) {
    int64_t words = 0;
    size_t run = 0;
    for (const uint8_t* p = begin; p != end; ++p) {
        if (IsBlank(*p)) {
            run = 0;
        } else if (run++ % kMaxWord == 0) {
            ++words;
        }
    }
    return words;
}

}  // namespace

bool WordReader::Open(const std::string& path) {
    path_ = path;
    if (!platform::ReadFile(path, text_)) {
        return false;
    }
    totalWords_ = CountWords(text_.data(), text_.data() + text_.size());
    return true;
}

bool WordReader::ReadWord() {
    while (position_ < text_.size() && IsBlank(text_[position_])) {
        ++position_;
    }
    size_t begin = position_;
    while (position_ < text_.size() && !IsBlank(text_[position_]) && position_ - begin < kMaxWord) {
        ++position_;
    }
    if (position_ == begin) {
        word_ = {};
        atEnd_ = true;
        return false;
    }
    word_ =
        std::string_view(reinterpret_cast<const char*>(text_.data()) + begin, position_ - begin);
    ++wordsRead_;
    return true;
}

void WordReader::ReportEnd() {
    if (!endReported_) {
        endReported_ = true;
        console::Print("Unexpected end of file " + path_);
    }
}

bool WordReader::Next() {
    if (ReadWord()) {
        return true;
    }
    ReportEnd();
    return false;
}

bool WordReader::SkipTo(std::string_view keyword) {
    while (word_ != keyword) {
        if (!Next()) {
            return false;
        }
    }
    return true;
}

bool WordReader::KeyedValue(std::string_view first, std::string_view second) {
    return SkipTo(first) && Next() && word_ == second && Next();
}

bool WordReader::KeyedValue(std::string_view first, std::string_view second,
                            std::string_view third) {
    return SkipTo(first) && Next() && word_ == second && Next() && word_ == third && Next();
}

std::string WordReader::RestOfLine() {
    size_t begin = position_;
    while (position_ < text_.size() && text_[position_] != '\n') {
        ++position_;
    }
    size_t end = position_;
    // A text-mode read sees "\r\n" as one line end.
    if (end > begin && position_ < text_.size() && text_[end - 1] == '\r') {
        --end;
    }
    wordsRead_ += CountWords(text_.data() + begin, text_.data() + position_);
    return std::string(reinterpret_cast<const char*>(text_.data()) + begin, end - begin);
}

int32_t WordReader::ReadInt() {
    return Next() ? WordToInt(word_) : 0;
}

float WordReader::ReadFloat() {
    return Next() ? WordToFloat(word_) : 0.0f;
}

size_t WordReader::RecordsThatFit(int64_t count, int64_t wordsEach) const {
    return static_cast<size_t>(std::clamp<int64_t>(count, 0, WordsLeft() / wordsEach));
}

bool WordReader::CountFits(int64_t count, int64_t wordsEach, const char* what) {
    if (count >= 0 && count <= WordsLeft() / wordsEach) {
        return true;
    }
    console::Print(std::string("Rejected ") + what + " count " + std::to_string(count) + " in " +
                   path_ + ": the file holds " + std::to_string(WordsLeft()) + " more words");
    return false;
}

int32_t WordToInt(std::string_view word) {
    size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) {
        negative = word[i++] == '-';
    }
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = std::min(value * 10 + (word[i] - '0'), kLimit);
    }
    value = negative ? -value : std::min(value, kLimit - 1);
    return static_cast<int32_t>(value);
}

float WordToFloat(std::string_view word) {
    double value = 0.0;
    const char* end = word.data() + word.size();
#ifdef __EMSCRIPTEN__
    // Emscripten's C++ library has no floating-point from_chars: the C library reads all.
    const char* stop = word.data();
    std::errc error = std::errc::invalid_argument;
#else
    auto [stop, error] = std::from_chars(word.data(), end, value);
#endif
    if (stop != end || error != std::errc()) {
        // Signs, hexadecimal and trailing characters: the C library's own reading.
        value = std::strtod(std::string(word).c_str(), nullptr);
    }
    if (std::fabs(value) > FLT_MAX) {
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

}  // namespace scene
