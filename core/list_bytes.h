// The list file's bytes: one entry line per line, each ended by CR LF, code page 932.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// Splits file bytes into lines. CR LF, LF CR, CR alone and LF alone each end a line (so CR CR
// gives an empty line); a CR or LF that has paired never pairs again (CR LF CR LF is two ends).
// NUL bytes are dropped; a last line without a line end is kept. Lines of any length are kept
// whole.
std::vector<std::string> ParseListBytes(std::string_view bytes);

// Writes every line followed by CR LF; no lines give no bytes.
std::string FormatListBytes(const std::vector<std::string>& lines);
