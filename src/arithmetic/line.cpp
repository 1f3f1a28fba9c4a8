// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/line.h"

namespace quintavia::arithmetic {

namespace {

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// Decodes one UTF-8 sequence at `i`, advancing it; anything malformed is U+FFFD for one byte.
char32_t decode(std::string_view s, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    }
    if (length == 0 || i + length > s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += length;
    return code;
}

}  // namespace

Line plainLine(std::string_view text)
{
    Line line;
    line.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '^' && i + 1 < text.size() && isDigit(static_cast<unsigned char>(text[i + 1]))) {
            for (++i; i < text.size() && isDigit(static_cast<unsigned char>(text[i])); ++i)
                line.push_back({static_cast<char32_t>(text[i]), true});
            continue;
        }
        line.push_back({decode(text, i), false});
    }
    return line;
}

std::string plainText(const Line& line)
{
    std::string text;
    text.reserve(line.size());
    bool inExponent = false;
    for (const Char& c : line) {
        const bool raisedDigit = c.raised && isDigit(c.code);
        if (raisedDigit && !inExponent)
            text += '^';
        inExponent = raisedDigit;
        text += utf8(c.code);
    }
    return text;
}

std::string utf8(char32_t code)
{
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

}  // namespace quintavia::arithmetic
