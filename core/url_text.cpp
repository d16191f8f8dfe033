// File URLs, the DDE open item, the command-line form of a URL and the switch test.
#include "core/url_text.h"

#include "core/cp932.h"
#include "core/entry_rules.h"

std::string MakeFileUrl(std::string_view text)
{
    std::string slashed(text);
    // A trail byte may be 0x5C: only single-byte backslashes turn.
    for (size_t i = 0, width = 0; i < slashed.size(); i += width) {
        width = CharLength932(slashed, i);
        if (width == 1 && slashed[i] == '\\') slashed[i] = '/';
    }
    // The drive is one single-byte character: a lead byte takes the colon as its trail byte.
    if (slashed.size() < 3 || IsLead932(static_cast<unsigned char>(slashed[0])) || slashed[1] != ':' ||
        slashed[2] != '/')
        return std::string(text);
    return "file:///" + slashed.substr(0, 1) + "|/" + slashed.substr(3);
}

// Appends `c` as %XX.
static void AppendEncoded(std::string& out, unsigned char c)
{
    static const char kHex[] = "0123456789ABCDEF";
    out.push_back('%');
    out.push_back(kHex[c >> 4]);
    out.push_back(kHex[c & 0x0F]);
}

// Copies `url`, encoding the single-byte characters `mustEncode` picks. The bytes of a
// double-byte character are copied as they are; a lead byte without a trail byte after it is
// encoded too, so that it cannot take a quote, a blank or what the caller appends for its own.
template <class Pick>
static std::string EncodeWhere(std::string_view url, Pick mustEncode)
{
    std::string out;
    out.reserve(url.size());
    for (size_t i = 0; i < url.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(url[i]);
        if (IsLead932(c) && i + 1 < url.size() && IsTrail932(static_cast<unsigned char>(url[i + 1]))) {
            out.append(url.substr(i, 2));
            ++i;
        } else if (IsLead932(c) || mustEncode(c)) {
            AppendEncoded(out, c);
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

bool FormatOpenUrlItem(std::string_view url, std::string* item)
{
    std::string text = "\"" + EncodeWhere(url, [](unsigned char c) { return c == '"'; }) + "\",,0xFFFFFFFF";
    if (text.size() > kMaxDdeItemBytes) return false;
    *item = std::move(text);
    return true;
}

bool StartsLikeSwitch(std::string_view url)
{
    static constexpr std::string_view kWideBlank = "\x81\x40";
    size_t i = 0;
    while (i < url.size()) {
        if (static_cast<unsigned char>(url[i]) <= ' ') ++i;
        else if (url.substr(i, 2) == kWideBlank) i += 2;
        else break;
    }
    return i < url.size() && (url[i] == '-' || url[i] == '/');
}

std::string QuoteUrlArgument(std::string_view url)
{
    std::string arg = EncodeWhere(url, [](unsigned char c) { return c < ' ' || c == '"' || c == 0x7F; });
    size_t endingBackslashes = 0;   // characters of their own, not trail bytes
    for (size_t i = 0, width = 0; i < arg.size(); i += width) {
        width = CharLength932(arg, i);
        endingBackslashes = width == 1 && arg[i] == '\\' ? endingBackslashes + 1 : 0;
    }
    return "\"" + arg + std::string(endingBackslashes, '\\') + "\"";
}

DefaultBrowserRoute RouteForDefaultBrowser(std::string_view url)
{
    for (std::string_view scheme : {"http:", "https:", "ftp:"})
        if (StartsWithNoCase(url, scheme)) return DefaultBrowserRoute::Shell;
    bool local = StartsWithNoCase(url, "file:") || IsLocalPath(url);
    return local ? DefaultBrowserRoute::Argument : DefaultBrowserRoute::Refused;
}
