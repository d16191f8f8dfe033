// A stand-in for the system's code page 932 conversion, for the core tests and the fuzz targets:
// ASCII, half-width katakana, five real double-byte characters, and every other well-formed
// double-byte pair mapped one to one into a private-use plane. Nothing else has a CP932 form.
#pragma once
#include "core/cp932.h"
#include "core/import_rules.h"
#include "core/utf8.h"

struct KnownChar { char32_t cp; unsigned pair; };
inline constexpr KnownChar kKnown932[] = {{0x3042, 0x82A0}, {0x8868, 0x955C}, {0x30BD, 0x835C},   // あ表ソ
                                          {0xFF0C, 0x8143}, {0xFF3C, 0x815F}};                    // ，＼
constexpr char32_t kPairPlane = 0xF0000;

inline bool TestToUtf8(std::string_view s, std::string* out)
{
    out->clear();
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = s[i];
        char32_t cp = c >= 0xA1 && c <= 0xDF ? 0xFF61 + (c - 0xA1) : c;
        if (IsLead932(c)) {
            if (i + 1 == s.size() || !IsTrail932(s[i + 1])) return false;
            unsigned pair = c << 8 | static_cast<unsigned char>(s[++i]);
            cp = kPairPlane + pair;
            for (KnownChar k : kKnown932) cp = k.pair == pair ? k.cp : cp;
        } else if (c >= 0x80 && cp == c) {
            return false;
        }
        AppendUtf8(*out, cp);
    }
    return true;
}

inline bool TestToCp932(std::string_view s, std::string* out)
{
    out->clear();
    for (size_t i = 0, n; i < s.size(); i += n) {
        if (!(n = Utf8CharLength(s, i))) return false;
        char32_t cp = Utf8CodePoint(s, i, n);
        unsigned pair = cp >= kPairPlane && cp - kPairPlane <= 0xFFFF ? cp - kPairPlane : 0;
        bool isPair = IsLead932(pair >> 8) && IsTrail932(pair & 0xFF);
        for (KnownChar k : kKnown932) isPair = k.pair == pair ? false : isPair;   // only its real form maps
        for (KnownChar k : kKnown932) if (k.cp == cp) pair = k.pair, isPair = true;
        if (cp < 0x80) out->push_back(static_cast<char>(cp));
        else if (cp >= 0xFF61 && cp <= 0xFF9F) out->push_back(static_cast<char>(cp - 0xFF61 + 0xA1));
        else if (isPair) *out += {static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
        else return false;
    }
    return true;
}

inline const TextCodec kTestCodec{TestToCp932, TestToUtf8};
