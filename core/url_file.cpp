// Shortcut names and contents, as code page 932 bytes.
#include "core/url_file.h"

#include "core/cp932.h"
#include "core/entry_line.h"

bool IsShortcutName(std::string_view name)
{
    return FindText932(LowerAscii(name), ".url") != std::string_view::npos;
}

std::string ShortcutTitle(std::string_view name)
{
    size_t dot = FindLast932(name, '.');
    std::string_view stem = dot == std::string_view::npos ? name : name.substr(0, dot);
    std::string title;
    size_t from = 0;
    for (size_t comma = Find932(stem, kUrlSeparator); comma != std::string_view::npos;
         comma = Find932(stem, kUrlSeparator, from)) {
        title.append(stem.substr(from, comma - from));
        title.append(kWideComma932);
        from = comma + 1;
    }
    title.append(stem.substr(from));
    return title;
}

std::string ShortcutUrl(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos) {
        std::string kept;
        kept.reserve(bytes.size());
        for (char c : bytes)
            if (c != '\0') kept.push_back(c);
        return ShortcutUrl(kept);
    }
    static constexpr std::string_view kKey = "URL=";
    std::string_view keyed, loose;
    bool haveKeyed = false, haveLoose = false;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (line.substr(0, kKey.size()) == kKey) {
            keyed = line.substr(kKey.size());
            haveKeyed = true;
        } else if (size_t at = FindText932(line, kKey); at != std::string_view::npos) {
            loose = line.substr(at + kKey.size());
            haveLoose = true;
        }
        start = end + 1;
    }
    return std::string(haveKeyed ? keyed : haveLoose ? loose : std::string_view());
}
