// Shortcut files: the URL read from any bytes is the value of a "URL=" on one line, the last
// keyed one when there is one; titles hold no comma of their own and keep every character.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/url_file.h"
#include "fuzz/fuzz_check.h"

// The lines of a shortcut file: CR, LF and CR LF end them.
static std::vector<std::string_view> ShortcutLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

static void CheckUrl(std::string_view file)
{
    std::string url = ShortcutUrl(file);
    Check(url.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
          "a URL holds no CR, LF or NUL: it can stand in a line");
    std::string bytes;
    for (char c : file)
        if (c != '\0') bytes.push_back(c);
    bool keyed = false, found = url.empty();
    std::string_view lastKeyed;
    for (std::string_view line : ShortcutLines(bytes)) {
        if (line.substr(0, 4) == "URL=") {
            keyed = true;
            lastKeyed = line.substr(4);
        }
        size_t at = line.rfind("URL=" + url);
        if (at != std::string_view::npos && at + 4 + url.size() == line.size()) found = true;
    }
    Check(found, "the URL is the rest of a line after \"URL=\"");
    if (keyed) Check(url == lastKeyed, "the last line that starts with \"URL=\" gives the URL");
}

static void CheckTitle(std::string_view name)
{
    std::vector<bool> start = CharStarts(name);
    size_t dot = std::string_view::npos;
    for (size_t i = 0; i < name.size(); ++i)
        if (start[i] && name[i] == '.') dot = i;
    std::string_view stem = name.substr(0, dot);
    std::string expected;
    for (size_t i = 0; i < stem.size(); ++i) {
        if (!start[i]) expected.push_back(stem[i]);
        else if (stem[i] == ',') expected += "\x81\x43";
        else expected.push_back(stem[i]);
    }
    Check(ShortcutTitle(name) == expected, "the title is the name before its last dot, commas made full-width");

    bool shortcut = false;
    for (size_t i = 0; i + 4 <= name.size(); ++i) {
        if (!start[i] || name[i] != '.') continue;
        std::string ext(name.substr(i + 1, 3));
        for (char& c : ext)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        shortcut = shortcut || ext == "url";
    }
    Check(IsShortcutName(name) == shortcut, "a shortcut name holds \".url\" in any case, as characters");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckUrl(bytes);
    CheckTitle(bytes);
    return 0;
}
