#!/usr/bin/env python3
"""Reads an export with the standard library's HTML parser instead of the program's reader and checks
that it holds the list's lines. Usage: read_export.py EXPORT LINES (LINES: code page 932, LF-separated)."""
import html.parser
import sys


class ExportReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.depth, self.lines, self.item, self.text, self.href, self.charset = -1, [], None, "", "", None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "meta":
            self.charset = attrs.get("content", "").split("charset=")[-1]
        elif tag == "dl":
            self.depth += 1
        elif tag in ("h3", "a"):
            self.item, self.text, self.href = tag, "", attrs.get("href", "")

    def handle_endtag(self, tag):
        if tag == "dl":
            self.depth -= 1
        elif tag == self.item:
            end = b"\\" if tag == "h3" else b"," + self.href.encode("cp932")
            self.lines.append(bytes([ord("0") + self.depth]) + self.text.encode("cp932") + end)
            self.item = None

    def handle_data(self, data):
        if self.item:
            self.text += data


def main():
    reader = ExportReader()
    with open(sys.argv[1], "rb") as export:
        reader.feed(export.read().decode("utf-8"))
    with open(sys.argv[2], "rb") as expected:
        want = expected.read().split(b"\n")
    if reader.charset != "UTF-8" or reader.depth != -1 or reader.lines != want:
        print(f"export: charset {reader.charset}, depth {reader.depth} at the end\n got  {reader.lines}\n want {want}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
