// One entry line of the bookmark list: a depth character ('0' + depth), the title, and
// either a final backslash (a folder: Book at depth 0, Group below) or a comma and the URL.
// Lines are code page 932 bytes without a line end.
#pragma once
#include <string>
#include <string_view>

constexpr char kFolderMark = '\\';
constexpr char kUrlSeparator = ',';
constexpr char kTopDepthChar = '0';
constexpr char kDeepestShownDepthChar = '9';

// First byte of the line, or 0 for an empty line (which ends every subtree).
inline unsigned char DepthCharOf(std::string_view line)
{ return line.empty() ? 0 : static_cast<unsigned char>(line[0]); }

// True when the first byte is '0'..'9': only such lines are shown in the tree.
inline bool HasShownDepth(std::string_view line)
{ return !line.empty() && line[0] >= kTopDepthChar && line[0] <= kDeepestShownDepthChar; }

// Depth 0-9 of a line that HasShownDepth.
inline int ShownDepthOf(std::string_view line) { return line[0] - kTopDepthChar; }

// A folder line's last byte is a backslash (the test is on the byte, not the character).
inline bool IsFolderLine(std::string_view line) { return !line.empty() && line.back() == kFolderMark; }

// The title: for a folder line the text between the depth character and the final
// backslash; otherwise the text between the depth character and the first comma. A line
// with neither (outside the format) is titled with all of its text after the depth character.
std::string_view LineTitle(std::string_view line);

// The URL of a URL line: everything after its first comma (further commas included);
// empty for a folder line or a line without a comma.
std::string_view LineUrl(std::string_view line);

// LineTitle and LineUrl of a line from one search, for loops over a whole list.
struct LineTexts { std::string_view title, url; };
LineTexts SplitLine(std::string_view line);

// The depth character of a child: the next character code, staying at the last byte value once
// there, so that nesting of any depth stays below its folder.
inline char DeeperDepthChar(char depthChar)
{
    unsigned char c = static_cast<unsigned char>(depthChar);
    return static_cast<char>(c == 0xFF ? c : c + 1);
}

// Compose lines. `depthChar` is '0' + depth (or deeper characters below depth 9).
std::string MakeFolderLine(char depthChar, std::string_view title);
std::string MakeUrlLine(char depthChar, std::string_view title, std::string_view url);
