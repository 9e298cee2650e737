// The word reader: words, numbers, the rest of a line, counts and the end of the file.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/word_reader.h"
#include "support/process_test.h"

namespace {

using scene::WordReader;

class WordReaderTest : public testing_support::ProcessTest {
protected:
    WordReader Open(const std::string& contents) {
        folder.Write("words.txt", contents);
        WordReader in;
        EXPECT_TRUE(in.Open("words.txt"));
        return in;
    }
};

TEST_F(WordReaderTest, WordsAreRunsOfNonBlanksCutAt254) {
    WordReader in = Open(" one\ttwo\r\n\nthree " + std::string(300, 'x') + "\n");
    std::string words;
    while (in.ReadWord()) {
        words += std::string(in.Word()) + "|";
    }
    EXPECT_EQ(words, "one|two|three|" + std::string(254, 'x') + "|" + std::string(46, 'x') + "|");
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.WordsLeft(), 0);
}

TEST(WordNumbers, ReadAsTheCLibraryDoes) {
    const std::pair<const char*, int32_t> ints[] = {{"-7abc", -7},
                                                    {"+3", 3},
                                                    {"abc", 0},
                                                    {"1.9", 1},
                                                    {"99999999999", 2147483647},
                                                    {"-99999999999", -2147483647 - 1}};
    for (const auto& [word, value] : ints) {
        EXPECT_EQ(scene::WordToInt(word), value) << word;
    }
    const std::pair<const char*, float> floats[] = {
        {"+1.5x", 1.5f}, {"-1e2", -100.0f}, {"0x10", 16.0f}, {"none", 0.0f}};
    for (const auto& [word, value] : floats) {
        EXPECT_EQ(scene::WordToFloat(word), value) << word;
    }
    EXPECT_TRUE(std::isinf(scene::WordToFloat("1e999")));
}

TEST_F(WordReaderTest, RestOfLineKeepsBlanksAndStopsBeforeTheLineEnd) {
    WordReader in = Open("NAME = Stone  wall \r\nnext\nNAME =");
    ASSERT_TRUE(in.SkipTo("="));
    EXPECT_EQ(in.RestOfLine(), " Stone  wall ");
    ASSERT_TRUE(in.Next());
    EXPECT_EQ(in.Word(), "next");
    EXPECT_EQ(in.WordsLeft(), 2);
    ASSERT_TRUE(in.SkipTo("="));
    EXPECT_EQ(in.RestOfLine(), "") << "the last line has no line end";
}

// Counts must fit the words left; the end of the file stops searches and is logged once.
TEST_F(WordReaderTest, CountsMustFitTheWordsLeftAndTheEndIsLoggedOnce) {
    WordReader missing;
    EXPECT_FALSE(missing.Open("missing.txt"));
    WordReader in = Open("3 a b c d e f");
    ASSERT_TRUE(in.Next());
    EXPECT_TRUE(in.CountFits(3, 2, "vertex"));
    EXPECT_FALSE(in.CountFits(4, 2, "vertex"));
    EXPECT_FALSE(in.CountFits(-1, 2, "face"));
    EXPECT_FALSE(in.SkipTo("MESH"));
    EXPECT_FALSE(in.SkipTo("MESH"));
    EXPECT_EQ(in.ReadInt(), 0);
    EXPECT_TRUE(in.AtEnd());
    std::string log = Log(), end = "Unexpected end of file words.txt\n";
    EXPECT_NE(log.find("Rejected vertex count 4 in words.txt: the file holds 6 more words"),
              std::string::npos);
    EXPECT_NE(log.find("Rejected face count -1"), std::string::npos);
    ASSERT_NE(log.find(end), std::string::npos);
    EXPECT_EQ(log.find(end), log.rfind(end));
}

}  // namespace
