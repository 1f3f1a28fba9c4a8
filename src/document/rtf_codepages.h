// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

namespace quintavia::rtf {

// The characters of bytes 0x80..0xFF in an 8-bit code page, or null when the page is not known
// (double-byte pages among them).
const std::array<char16_t, 128>* codePageTable(int codePage);

// The character that byte `b` stands for in a font of the Symbol character set (\fcharset2, the
// font of word processors' "Insert symbol"); U+FFFD where the encoding leaves the byte empty.
char16_t symbolCharacter(unsigned char b);

// A private-use character U+F020..U+F0FF, as some writers give symbol-font characters in \u,
// read as the Symbol byte it stands for; any other character unchanged.
char16_t fromSymbolPrivateUse(char16_t unit);

// The Windows code page that a font's \fcharset stands for; 0 when the charset says nothing of its
// own (ANSI, default, symbol), so the document's \ansicpg applies.
constexpr int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

}  // namespace quintavia::rtf
