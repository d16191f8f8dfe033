// What a started browser is handed: the command line read back by the argument rules gives the URL as
// one argument, encoded only where it must be, and no switch gets through.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/url_text.h"
#include "fuzz/fuzz_check.h"

// Whether `out` is `in` with some single bytes, among those `mayEncode` allows, written as %XX.
template <class Allow>
static bool IsPercentEncodingOf(std::string_view out, std::string_view in, Allow mayEncode)
{
    static const char kHex[] = "0123456789ABCDEF";
    size_t j = 0;
    for (unsigned char c : in) {
        if (j < out.size() && static_cast<unsigned char>(out[j]) == c) ++j;
        else if (mayEncode(c) && out.substr(j, 3) == std::string{'%', kHex[c >> 4], kHex[c & 15]}) j += 3;
        else return false;
    }
    return j == out.size();
}

// A command line's arguments as a program's start-up code splits them: blanks and tabs outside quotes
// separate, a quote toggles quoting, n backslashes before a quote stand for n / 2 (and a literal quote
// when n is odd). A double-byte character is neither quote nor backslash. The name ends at its quote.
static std::vector<std::string> SplitCommandLine(std::string_view line)
{
    std::vector<bool> start = CharStarts(line);
    size_t i = line.find('"', 1);
    std::vector<std::string> args{std::string(line.substr(1, i - 1))};
    bool inArg = false, quoted = false;
    std::string arg;
    for (++i; i < line.size();) {
        char c = line[i];
        if (!start[i + 1]) {   // a double-byte character
            arg.append(line.substr(i, 2)), i += 2;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArg) args.push_back(arg);
            arg.clear(), ++i;
            inArg = false;
            continue;
        } else if (c == '\\') {
            size_t n = 0;
            while (i < line.size() && line[i] == '\\') ++n, ++i;
            bool beforeQuote = i < line.size() && line[i] == '"';
            arg.append(beforeQuote ? n / 2 : n, '\\');
            if (beforeQuote && n % 2) arg.push_back('"'), ++i;
        } else {
            if (c == '"') quoted = !quoted;
            else arg.push_back(c);
            ++i;
        }
        inArg = true;
    }
    if (inArg) args.push_back(arg);
    return args;
}

// Whether a browser that trims blanks (full-width too) and controls from an argument sees a switch.
static bool StartsAsSwitch(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) <= ' ' || text.substr(i, 2) == "\x81\x40"))
        i += static_cast<unsigned char>(text[i]) <= ' ' ? 1 : 2;
    return i < text.size() && (text[i] == '-' || text[i] == '/');
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view url(reinterpret_cast<const char*>(data), size);
    Check(StartsLikeSwitch(url) == StartsAsSwitch(url), "a URL is refused when it starts as a switch");

    std::vector<std::string> args = SplitCommandLine("\"C:\\b b\\b.exe\" " + QuoteUrlArgument(url));
    Check(args.size() == 2 && args[0] == "C:\\b b\\b.exe", "the browser gets its name and exactly one argument");
    const std::string& arg = args[1];
    Check(IsPercentEncodingOf(arg, url, [](unsigned char c) { return c < ' ' || c == '"' || c == 0x7F || IsLeadByte(c); }),
          "the argument is the URL with only quotes, controls and lead bytes percent-encoded");
    for (size_t i = 0; i < arg.size(); ++i) {
        unsigned char c = arg[i];
        Check(c >= ' ' && c != '"' && c != 0x7F, "no control or quote reaches the browser");
        if (!IsLeadByte(c)) continue;
        unsigned char trail = i + 1 < arg.size() ? arg[++i] : 0;
        Check((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC),
              "every lead byte the browser gets has its trail byte");
    }
    Check(StartsLikeSwitch(url) || !StartsAsSwitch(arg), "the argument does not start as a switch");
    return 0;
}
