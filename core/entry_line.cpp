// Splitting and composing entry lines; the folder test always comes before the comma search.
#include "core/entry_line.h"

#include "core/cp932.h"

LineTexts SplitLine(std::string_view line)
{
    if (line.empty()) return {};
    std::string_view rest = line.substr(1);
    if (IsFolderLine(line)) return {rest.substr(0, rest.size() - 1), {}};
    size_t comma = Find932(rest, kUrlSeparator);
    if (comma == std::string_view::npos) return {rest, {}};
    return {rest.substr(0, comma), rest.substr(comma + 1)};
}

std::string_view LineTitle(std::string_view line) { return SplitLine(line).title; }

std::string_view LineUrl(std::string_view line) { return SplitLine(line).url; }

std::string MakeFolderLine(char depthChar, std::string_view title)
{
    std::string line(1, depthChar);
    line.append(title);
    line.push_back(kFolderMark);
    return line;
}

std::string MakeUrlLine(char depthChar, std::string_view title, std::string_view url)
{
    std::string line(1, depthChar);
    line.append(title);
    line.push_back(kUrlSeparator);
    line.append(url);
    return line;
}
