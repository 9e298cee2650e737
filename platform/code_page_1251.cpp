// Byte to code point for Windows-1251 and back: ASCII below 0x80, Cyrillic letters from 0xC0.
#include "platform/code_page_1251.h"

namespace platform {
namespace {

// 0x80 to 0xBF: punctuation and the less common Cyrillic letters.
constexpr uint16_t kUpperPunctuation[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Length of the sequence that `lead` starts, or 0 for a byte that cannot lead one.
size_t SequenceLength(uint8_t lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

}  // namespace

uint32_t Cp1251ToUnicode(uint8_t byte) {
    if (byte < 0x20 || byte == 0x7F) {
        return 0;
    }
    if (byte < 0x80) {
        return byte;
    }
    if (byte < 0xC0) {
        return kUpperPunctuation[byte - 0x80];
    }
    return 0x0410 + (byte - 0xC0);  // А..я in alphabetical order
}

int UnicodeToCp1251(uint32_t codePoint) {
    if (codePoint == 0) {
        return -1;
    }
    for (int byte = 0x20; byte < 0x100; ++byte) {
        if (Cp1251ToUnicode(static_cast<uint8_t>(byte)) == codePoint) {
            return byte;
        }
    }
    return -1;
}

std::string Cp1251ToUtf8(const std::string& text) {
    std::string out;
    for (char c : text) {
        auto byte = static_cast<uint8_t>(c);
        uint32_t codePoint = byte < 0x80 ? byte : Cp1251ToUnicode(byte);
        AppendUtf8(out, codePoint != 0 ? codePoint : kReplacement);
    }
    return out;
}

std::u32string Utf8ToUnicode(const std::string& text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        auto lead = static_cast<uint8_t>(text[i]);
        size_t length = SequenceLength(lead);
        bool whole = length > 0 && i + length <= text.size();
        uint32_t codePoint = length == 1 ? lead : lead & (0x7Fu >> length);
        for (size_t k = 1; whole && k < length; ++k) {
            auto next = static_cast<uint8_t>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            codePoint = codePoint << 6 | (next & 0x3Fu);
        }
        out += whole ? static_cast<char32_t>(codePoint) : kReplacement;
        i += whole ? length : 1;
    }
    return out;
}

}  // namespace platform
