// Reading the hide time the way a C number conversion reads it, without its overflow.
#include "core/hide_time.h"

#include <limits>

static bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

int32_t ParseHideTime(std::wstring_view text)
{
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) negative = text[at++] == L'-';
    // Counted on the negative side, which holds one more value than the positive.
    constexpr int64_t kLowest = std::numeric_limits<int32_t>::min();
    int64_t value = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        value = value * 10 - (text[at] - L'0');
        if (value < kLowest) value = kLowest;
    }
    if (!negative) value = value == kLowest ? std::numeric_limits<int32_t>::max() : -value;
    return static_cast<int32_t>(value);
}
