// The hide time as typed in the settings dialog.
#pragma once
#include <cstdint>
#include <string_view>

// The text's value as a decimal number: leading blanks and one sign allowed, reading stops at
// the first non-digit, 0 when there is no digit. Values beyond 32 bits stop at the nearest
// bound. Only ASCII digits count.
int32_t ParseHideTime(std::wstring_view text);
