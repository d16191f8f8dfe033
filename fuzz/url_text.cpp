// What a browser is handed: the file-URL rewrite keeps characters whole, and an encoded URL
// (DDE item or command-line argument) holds nothing that could end or split it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "browser/url_text.h"
#include "fuzz/fuzz_check.h"

static void CheckFileUrl(std::string_view text)
{
    std::string url = MakeFileUrl(text);
    if (url == text) return;
    std::vector<bool> start = CharStarts(text);
    Check(text.size() >= 3 && start[1] && text[1] == ':' && (text[2] == '\\' || text[2] == '/'),
          "only a drive, a colon and a separator make a file URL");
    char drive = text[0] == '\\' ? '/' : text[0];   // made a slash like every backslash character
    Check(url.compare(0, 8, "file:///") == 0 && url[8] == drive && url.compare(9, 2, "|/") == 0,
          "the drive character heads the file URL");
    std::string rest(text.substr(3));
    for (size_t i = 0; i < rest.size(); ++i)
        if (start[i + 3] && rest[i] == '\\') rest[i] = '/';
    Check(url.substr(11) == rest, "the path follows with only backslash characters made slashes");
}

// Whether `out` is `in` with some single bytes written as %XX.
static bool IsPercentEncodingOf(std::string_view out, std::string_view in)
{
    static const char kHex[] = "0123456789ABCDEF";
    size_t j = 0;
    for (unsigned char c : in) {
        if (j < out.size() && static_cast<unsigned char>(out[j]) == c) {
            ++j;
        } else if (j + 3 <= out.size() && out[j] == '%' && out[j + 1] == kHex[c >> 4] && out[j + 2] == kHex[c & 15]) {
            j += 3;
        } else {
            return false;
        }
    }
    return j == out.size();
}

static void CheckArgument(std::string_view url)
{
    std::string arg = EncodeUrlArgument(url);
    Check(IsPercentEncodingOf(arg, url), "the argument is the URL with some bytes percent-encoded");
    for (unsigned char c : arg)
        Check(c > ' ' && c != '"' && c != 0x7F, "no byte of the argument is a blank, a control or a quote");
    Check(!EndsInHalfCharacter(arg), "the argument ends on a whole character");
}

static void CheckDdeItem(std::string_view url)
{
    std::string item;
    if (!FormatOpenUrlItem(url, &item)) return;
    Check(item.size() <= kMaxDdeItemBytes, "the item fits a DDE item");
    const std::string_view tail = "\",,0xFFFFFFFF";
    Check(item.size() >= 1 + tail.size() && item[0] == '"' && item.compare(item.size() - tail.size(), tail.size(), tail) == 0,
          "the item is the quoted URL, an empty argument and the window");
    std::string_view quoted = std::string_view(item).substr(1, item.size() - 1 - tail.size());
    Check(IsPercentEncodingOf(quoted, url), "the quoted URL is the URL with some bytes percent-encoded");
    Check(quoted.find('"') == std::string_view::npos, "no double quote inside the quoted URL");
    Check(CharStarts(item)[1 + quoted.size()], "the closing quote is a character of its own");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckFileUrl(bytes);
    CheckArgument(bytes);
    CheckDdeItem(bytes);
    return 0;
}
