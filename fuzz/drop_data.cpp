// Drop formats of any bytes: every read stays inside them, a link found has a URL, the text taken
// as one URL holds no blank, and the URL's bytes are ASCII only where the fake gives no CP932 form.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/drop_data.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto from = [&](size_t at) { return std::string(bytes.substr(std::min(at, bytes.size()))); };
    DropFormats formats{from(7), std::nullopt, from(3), from(1), from(0)};
    if (size % 3 == 0) formats.urlW.reset();
    if (size % 5 == 0) formats.mozUrl.reset();
    std::optional<DroppedLink> link = ReadDroppedLink(formats);
    Check(!link || !link->url.empty(), "a link has a URL");

    std::u16string text = WideTextOf(bytes);
    Check(text.size() <= size / 2, "no more units than bytes allow");
    Check(text.find(u'\0') == std::u16string::npos, "the text ends at its terminator");
    for (char16_t c : OneUrlText(text)) Check(c > 0x20 && c != 0x7F && c != 0x3000, "one URL holds no blank");
    (void)GroupDescriptorTitle(bytes);

    std::string url = UrlBytesOf(text, [](std::u16string_view ch, std::string* out) {
        if (ch.size() != 1 || ch[0] % 2) return false;
        *out = "\x88\x9F";
        return true;
    });
    for (unsigned char c : url) Check(c < 0x80 || c == 0x88 || c == 0x9F, "other characters are %XX");
    return 0;
}
