// Word-oriented reading of the scene text files: words, numbers and the forward searches.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scene {

// Reads a whole file and hands it out as words: maximal runs of non-blank characters,
// at most 254 each. Every search only moves forward. Reaching the end of the file in
// the middle of a search stops the search and logs one line naming the file.
class WordReader {
public:
    // False when the file cannot be opened; nothing is logged then.
    bool Open(const std::string& path);

    const std::string& Path() const { return path_; }
    std::string_view Word() const { return word_; }
    bool AtEnd() const { return atEnd_; }
    // Words not yet read; what any count in the file must fit into.
    int64_t WordsLeft() const { return totalWords_ - wordsRead_; }

    // Makes the next word current; false at the end of the file (nothing logged).
    bool ReadWord();
    // The next word, logging a truncated file when there is none.
    bool Next();
    // Reads words until the current one is `keyword`; nothing when it already is.
    bool SkipTo(std::string_view keyword);
    // Skip to `first`; the next word must be `second`; the word after it is the value.
    bool KeyedValue(std::string_view first, std::string_view second);
    // The same with two checked words before the value.
    bool KeyedValue(std::string_view first, std::string_view second, std::string_view third);
    // The characters up to the next line end, blanks included; the line end is not taken.
    std::string RestOfLine();

    // The next word as a whole number or a decimal (0 at the end of the file).
    int32_t ReadInt();
    float ReadFloat();

    // At most `count` (none for a negative count): as many records of `wordsEach` words
    // as the rest of the file could hold. What a reader may reserve before reading them.
    size_t RecordsThatFit(int64_t count, int64_t wordsEach) const;
    // True when `count` records of `wordsEach` words fit into what is left; otherwise
    // (or for a negative count) logs that the count of `what` is rejected.
    bool CountFits(int64_t count, int64_t wordsEach, const char* what);

private:
    void ReportEnd();

    std::string path_;
    std::vector<uint8_t> text_;
    size_t position_ = 0;
    std::string_view word_;
    bool atEnd_ = false;
    bool endReported_ = false;
    int64_t totalWords_ = 0;
    int64_t wordsRead_ = 0;
};

// atoi of a word (clamped to the 32-bit range instead of overflowing).
int32_t WordToInt(std::string_view word);
// atof of a word, in double precision, stored as a float.
float WordToFloat(std::string_view word);

}  // namespace scene
