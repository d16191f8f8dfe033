// What a browser is handed: the file-URL rewrite keeps characters whole, an encoded URL (DDE
// item or command-line argument) holds nothing that could end or split it, the command line
// read back by the argument rules gives the URL as one argument, and nothing handed over
// starts as a switch.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/url_text.h"
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

// Whether `out` is `in` with some single bytes, among those `mayEncode` allows, written as %XX.
template <class Allow>
static bool IsPercentEncodingOf(std::string_view out, std::string_view in, Allow mayEncode)
{
    static const char kHex[] = "0123456789ABCDEF";
    size_t j = 0;
    for (unsigned char c : in) {
        if (j < out.size() && static_cast<unsigned char>(out[j]) == c) {
            ++j;
        } else if (mayEncode(c) && j + 3 <= out.size() && out[j] == '%' && out[j + 1] == kHex[c >> 4] &&
                   out[j + 2] == kHex[c & 15]) {
            j += 3;
        } else {
            return false;
        }
    }
    return j == out.size();
}

static bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
static bool IsTrail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// The arguments of a command line as a program's start-up code splits them once the text is
// wide: blanks and tabs outside quotes separate arguments, a double quote opens or closes a
// quoted part, and a run of n backslashes before a double quote stands for n / 2 backslashes,
// with the quote taken literally when n is odd. A double-byte character is one wide character,
// neither a quote nor a backslash. The program's name is read up to its closing quote.
static std::vector<std::string> SplitCommandLine(std::string_view line)
{
    std::vector<std::string> args;
    std::vector<bool> start = CharStarts(line);
    size_t i = line.find('"', 1);
    args.emplace_back(line.substr(1, i - 1));
    ++i;
    bool inArg = false, quoted = false;
    std::string arg;
    while (i < line.size()) {
        if (!start[i + 1]) {   // a double-byte character
            arg.append(line.substr(i, 2));
            inArg = true;
            i += 2;
            continue;
        }
        char c = line[i];
        if ((c == ' ' || c == '\t') && !quoted) {
            if (inArg) args.push_back(arg);
            arg.clear();
            inArg = false;
            ++i;
            continue;
        }
        inArg = true;
        if (c == '\\') {
            size_t n = 0;
            while (i < line.size() && line[i] == '\\') ++n, ++i;
            if (i < line.size() && line[i] == '"') {
                arg.append(n / 2, '\\');
                if (n % 2) arg.push_back('"'), ++i;
            } else {
                arg.append(n, '\\');
            }
        } else if (c == '"') {
            quoted = !quoted;
            ++i;
        } else {
            arg.push_back(c);
            ++i;
        }
    }
    if (inArg) args.push_back(arg);
    return args;
}

// What a browser that trims blanks (full-width ones too) and control characters from an
// argument sees first.
static char FirstAfterBlanks(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) <= ' ' || text.substr(i, 2) == "\x81\x40"))
        i += static_cast<unsigned char>(text[i]) <= ' ' ? 1 : 2;
    return i < text.size() ? text[i] : '\0';
}

static void CheckSwitchRule(std::string_view url, std::string_view handedOver)
{
    char first = FirstAfterBlanks(url);
    Check(StartsLikeSwitch(url) == (first == '-' || first == '/'), "a URL is refused when it starts as a switch");
    if (StartsLikeSwitch(url)) return;
    char seen = FirstAfterBlanks(handedOver);
    Check(seen != '-' && seen != '/', "what the browser is handed does not start as a switch");
}

static void CheckArgument(std::string_view url)
{
    std::string quoted = QuoteUrlArgument(url);
    std::vector<std::string> args = SplitCommandLine("\"C:\\b b\\b.exe\" " + quoted);
    Check(args.size() == 2 && args[0] == "C:\\b b\\b.exe", "the browser gets its name and exactly one argument");
    const std::string& arg = args[1];
    Check(IsPercentEncodingOf(arg, url, [](unsigned char c) { return c < ' ' || c == '"' || c == 0x7F || IsLead(c); }),
          "the argument is the URL with only quotes, controls and lead bytes percent-encoded");
    for (size_t i = 0; i < arg.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(arg[i]);
        Check(c >= ' ' && c != '"' && c != 0x7F, "no control or quote reaches the browser");
        if (IsLead(c)) Check(i + 1 < arg.size() && IsTrail(static_cast<unsigned char>(arg[++i])),
                             "every lead byte the browser gets has its trail byte");
    }
    CheckSwitchRule(url, arg);
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
    Check(IsPercentEncodingOf(quoted, url, [](unsigned char) { return true; }), "the quoted URL is the URL with some bytes percent-encoded");
    Check(quoted.find('"') == std::string_view::npos, "no double quote inside the quoted URL");
    Check(CharStarts(item)[1 + quoted.size()], "the closing quote is a character of its own");
    CheckSwitchRule(url, quoted);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckFileUrl(bytes);
    CheckArgument(bytes);
    CheckDdeItem(bytes);
    return 0;
}
