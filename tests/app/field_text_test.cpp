// A dialog field left as it was filled gives back the bytes it was filled with, even those that
// UTF-16 cannot carry (NEC 0x8790 comes back as 0x81E0; 0x8540 is no character).
#include <gtest/gtest.h>

#include "platform/text.h"

TEST(NarrowFieldTest, UntouchedFieldKeepsItsBytes)
{
    for (auto [filled, typed, bytes] : {std::tuple{"A\x87\x90", L"", "A\x87\x90"}, {"\x85\x40x", L"", "\x85\x40x"},
                                        {"A\x87\x90", L"A\x2252!", "A\x81\xE0!"}}) {
        std::string out;
        ASSERT_TRUE(NarrowField(*typed ? std::wstring(typed) : Widen(filled), filled, &out)) << filled;
        EXPECT_EQ(out, bytes);
    }
}
