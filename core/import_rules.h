// The rules every import of another program's bookmarks keeps, whatever the file's format: the
// reader hands over folders and links in UTF-8, and they leave as list lines in code page 932.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Conversion of whole texts between UTF-8 and code page 932, given by the caller (the program
// passes the system's, the core tests their own). Each is false when a character of the input
// has no form in the other encoding or its bytes stand for no character; the core then converts
// the text one character at a time to learn which.
struct TextCodec {
    std::function<bool(std::string_view utf8, std::string* cp932)> toCp932;
    std::function<bool(std::string_view cp932, std::string* utf8)> toUtf8;
};

// An entry whose title or URL takes more bytes than this in the list is left out.
constexpr size_t kMaxImportTextBytes = 64 * 1024;

// What an import changed or left out, counted per entry, for one message.
struct ImportCounts {
    size_t titlesChanged = 0;  // a character made "?", a line break a blank, a separator full width, "(n)" added
    size_t urlsChanged = 0;    // characters written as %XX, or the ending made storable (MakeUrlStorable)
    size_t leftOut = 0;        // too long, no URL, a URL that cannot be stored, a place: query, or inside a left-out folder
};

enum class ImportStatus {
    Done,
    TooManyLines,    // the lines would pass the caller's maximum: nothing is to be added
    NotReadable,     // the bytes are not the format at all
    UnknownCharset,  // the file names a charset other than UTF-8 or code page 932 (in `charset`)
};

struct ImportResult {
    ImportStatus status = ImportStatus::Done;
    std::vector<std::string> lines;   // code page 932, depth-first, no line ends
    ImportCounts counts;
    std::string charset;
};

// An import being built: the reader reports each folder's start and end and each link as it
// walks its file, so no depth of nesting needs the call stack.
struct ImportBuild {
    const TextCodec& codec;
    size_t maxLines;
    ImportResult result;
    struct Level {
        char depthChar;                          // of the entries inside
        std::unordered_set<std::string> titles;  // taken by the entries inside so far
        bool leftOut;                            // the folder was left out, and so is all it holds
    };
    std::vector<Level> open;
};

// Starts the top level, whose entries get `depthChar`; each folder's entries get the next
// character code, staying at 0xFF once there.
void StartImport(ImportBuild& build, char depthChar);

// A folder line; the entries that follow are inside it until its EndImportFolder.
void AddImportFolder(ImportBuild& build, std::string_view utf8Title);
// Ends the innermost folder; at the top level, nothing.
void EndImportFolder(ImportBuild& build);

// The title of an import's Book made from a name outside the file (the file's own name, a
// browser profile's), under the rules of a folder title read from a file; counted in `counts`
// like one when a character had to change. Making it unique among the Books is the caller's.
std::string ImportBookTitle(const TextCodec& codec, std::string_view utf8Name, ImportCounts& counts);

// A URL line. An empty title takes the URL; place: queries of one browser's history, which no
// other program can open, are left out, while javascript: bookmarklets stay, so that they reach
// a browser again through an export.
void AddImportLink(ImportBuild& build, std::string_view utf8Title, std::string_view utf8Url);
