// The caption table's spoken lines, texts exactly as the captions show them.
#include "tools/data/music/voice_lines.h"

namespace tools::data {

const std::vector<VoiceLine>& VoiceLines() {
    static const std::vector<VoiceLine> lines = {
        {27, 6, "What we see while sleeping?"},
        {33, 6, "Dreams..."},
        {39, 6, "What is the dream?"},
        {45, 6, "Who does know?"},
        {51, 6, "What a dream brings to us?"},
        {57, 6, "Another reality?"},
        {63, 6, "What Taliesh dreamded about?"},
        {69, 6, "He mighta of dreamed about the halls of Moria?"},
        {75, 6, "Following the light you get the hope..."},
        {81, 6, "We see what we feel..."},
        {87, 6, "We look inside"},
        {93, 6, "Who does know..."},
        {99, 6, "He mighta of dreamed about an elven forest?"},
        {105, 6, "Gloomy and mystery forest that could swallow you"},
        {111, 6, "Many years the ring was hidden"},
        {117, 6, "After the ring was found whole middlearth became like the night forest"},
        {123, 6, "He mighta of dreamed about an ancient holly place?"},
        {129, 6, "Souls wander in its halls"},
        {135, 6, "The WAR is comming again..."},
        {141, 6, "Whos can stop it?"},
        {147, 6, "a Hobbit?"},
        {153, 6, "an Elf?"},
        {159, 6, "a Human?"},
        {165, 6, "Together, because they are"},
        {171, 6, "THE FELLOWSHIP OF THE RING"},
        {177, 6, "Do you believe they will succeed?"},
        {183, 6, "Who does know?"},
        {189, 6, "He mighta of seen their victory in the dream..."},
        {195, 6, "Who does really know?"},
        {201, 100, "Or do mages sleep at all?"},
    };
    return lines;
}

}  // namespace tools::data
