// The list file's bytes: what loads saves back to bytes that load to the same lines, loading
// keeps every byte but NUL and the line ends, and a file in the saved form saves unchanged.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/list_bytes.h"
#include "fuzz/fuzz_check.h"

// The file with NUL bytes taken out, and the number of lines it holds: CR LF, LF CR, CR and LF
// each end one (a byte that paired starts no second pair), and text after the last line end is
// one more.
static size_t CountLines(std::string_view bytes, std::string* withoutNul)
{
    for (char c : bytes)
        if (c != '\0') withoutNul->push_back(c);
    size_t lines = 0;
    const std::string& s = *withoutNul;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((s[i] == '\r' || s[i] == '\n') && i + 1 < s.size() &&
            (s[i + 1] == '\r' || s[i + 1] == '\n') && s[i + 1] != s[i])
            ++i;
        if (s[i] == '\r' || s[i] == '\n') ++lines;
    }
    if (!s.empty() && s.back() != '\r' && s.back() != '\n') ++lines;
    return lines;
}

// Bytes the writer could have made: no NUL, every line ended by CR LF, no CR or LF alone.
static bool InSavedForm(std::string_view bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0' || bytes[i] == '\n') return false;
        if (bytes[i] == '\r') {
            if (i + 1 >= bytes.size() || bytes[i + 1] != '\n') return false;
            ++i;
        }
    }
    return bytes.empty() || bytes.back() == '\n';
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = ParseListBytes(bytes);

    std::string withoutNul;
    Check(lines.size() == CountLines(bytes, &withoutNul), "one line per line end, and one for a last line without");
    std::string joined, kept;
    for (const std::string& line : lines) {
        Check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
              "a loaded line holds no CR, LF or NUL");
        joined += line;
    }
    for (char c : withoutNul)
        if (c != '\r' && c != '\n') kept.push_back(c);
    Check(joined == kept, "every byte but NUL, CR and LF reaches a line, in order");

    std::string saved = FormatListBytes(lines);
    Check(ParseListBytes(saved) == lines, "what loads saves to bytes that load to the same lines");
    Check(FormatListBytes(ParseListBytes(saved)) == saved, "saved bytes save unchanged");
    if (InSavedForm(bytes)) Check(saved == bytes, "a file in the saved form saves byte for byte");
    return 0;
}
