// What a drag from a browser, a file window or a text editor offers, read into one link: the
// bytes of each clipboard format as the data object hands them over (any length, with or without
// a terminator), and the URL made code page 932 bytes for a line of the list.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct DroppedLink {
    std::u16string url;
    std::u16string title;   // empty: none offered
};

// The formats a drag offered, as raw bytes; absent ones are empty optionals.
struct DropFormats {
    std::optional<std::string> urlW;            // UniformResourceLocatorW: UTF-16
    std::optional<std::u16string> urlAnsi;      // UniformResourceLocator, widened by the caller
    std::optional<std::string> mozUrl;          // text/x-moz-url: UTF-16 "URL\ntitle"
    std::optional<std::string> unicodeText;     // CF_UNICODETEXT
    std::optional<std::string> groupDescriptor; // FileGroupDescriptorW
};

// UTF-16 text of a format's bytes, up to the first NUL unit or the end; an odd last byte is no unit.
std::u16string WideTextOf(std::string_view bytes);

// Narrow text of a format's bytes, up to the first NUL or the end.
std::string_view NarrowTextOf(std::string_view bytes);

// The text when the whole of it is one URL: after trimming blanks and controls around it, a
// scheme of at least two ASCII letters (then letters, digits, '+', '-', '.'), a ':', something
// after it, and no blank or control character anywhere. A single letter is a drive ("C:\x"),
// not a scheme. Empty when the text is anything else.
std::u16string OneUrlText(std::u16string_view text);

// The file name of the first descriptor of FileGroupDescriptorW bytes without a ".url" end (in
// any case); empty when the bytes hold no whole descriptor.
std::u16string GroupDescriptorTitle(std::string_view bytes);

// The link of a drop: the URL from the first format, in the order the fields are declared,
// that gives one (a text only when OneUrlText accepts it); the title from text/x-moz-url's second
// line, else from the file group's name. None when no format gives a URL.
std::optional<DroppedLink> ReadDroppedLink(const DropFormats& formats);

// The CP932 bytes of one character (one UTF-16 unit, or a surrogate pair); false when it has none.
using Cp932OfChar = std::function<bool(std::u16string_view ch, std::string* bytes)>;

// The URL as CP932 bytes: ASCII as it is, any other character as its CP932 bytes or, when it
// has none, as its UTF-8 bytes in %XX form, which every browser reads as the same address. A
// lone surrogate stands for U+FFFD.
std::string UrlBytesOf(std::u16string_view url, const Cp932OfChar& cp932Of);
