// Reading and writing the list file's bytes in memory; the file itself is handled in list_file.
#include "core/list_bytes.h"

std::vector<std::string> ParseListBytes(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;   // bytes seen since the last line end
    char unpaired = 0;      // the CR or LF that just ended a line and may still take its partner
    for (char c : bytes) {
        if (c == '\0') continue;   // dropped everywhere, also between CR and LF
        if (c == '\r' || c == '\n') {
            if (unpaired != 0 && unpaired != c) {
                unpaired = 0;   // CR LF or LF CR: one line end; a byte pairs only once
                continue;
            }
            unpaired = c;
            lines.push_back(std::move(current));
            current.clear();
            pending = false;
        } else {
            unpaired = 0;
            current.push_back(c);
            pending = true;
        }
    }
    if (pending) lines.push_back(std::move(current));
    return lines;
}

std::string FormatListBytes(const std::vector<std::string>& lines)
{
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}
