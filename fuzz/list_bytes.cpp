// The list file's bytes: what loads saves back to bytes that load to the same lines, loading
// keeps every byte but NUL and the line ends, and a file in the saved form saves unchanged.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/list_bytes.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = ParseListBytes(bytes);
    std::string joined, kept;
    for (const std::string& line : lines) joined += line;
    for (char c : bytes)
        if (c != '\0' && c != '\r' && c != '\n') kept.push_back(c);
    Check(joined == kept, "every byte but NUL, CR and LF reaches a line, in order");

    std::string saved = FormatListBytes(lines);
    Check(ParseListBytes(saved) == lines, "what loads saves to bytes that load to the same lines");
    // The saved form: no NUL, every line ended by CR LF, no CR or LF alone.
    std::string ends;
    for (char c : bytes)
        if (c == '\0' || c == '\r' || c == '\n') ends.push_back(c);
    bool savedForm = (bytes.empty() || bytes.back() == '\n') && ends.size() == 2 * lines.size();
    for (size_t i = 0; savedForm && i < ends.size(); i += 2) savedForm = ends.compare(i, 2, "\r\n") == 0;
    if (savedForm) Check(saved == bytes, "a file in the saved form saves byte for byte");
    return 0;
}
