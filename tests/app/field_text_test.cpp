// Dialog field text back to list bytes: a field left as it was filled gives back the bytes it
// was filled with, even those that UTF-16 cannot carry.
#include <gtest/gtest.h>

#include <optional>

#include "platform/text.h"

namespace {

struct FieldCase {
    const char* name;
    const char* filled;
    std::optional<std::wstring> typed;   // none: the field left as it was filled
    const char* bytes;
};

class NarrowFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(NarrowFieldTest, UntouchedFieldKeepsItsBytes)
{
    const FieldCase& c = GetParam();
    std::string out;
    ASSERT_TRUE(NarrowField(c.typed ? *c.typed : Widen(c.filled), c.filled, &out));
    EXPECT_EQ(out, c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Fields, NarrowFieldTest, ::testing::Values(
    FieldCase{"NecCode", "A\x87\x90", std::nullopt, "A\x87\x90"},   // U+2252 narrows to 0x81E0
    FieldCase{"NoCharacter", "\x85\x40x", std::nullopt, "\x85\x40x"},
    FieldCase{"Typed", "A\x87\x90", std::wstring(L"A\x2252!"), "A\x81\xE0!"}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

}  // namespace
