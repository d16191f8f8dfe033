#!/usr/bin/env python3
"""Writes the release zip: larkit.exe, the help page, the readme and the sample list.

    python3 scripts/make_dist.py --exe build/dist/larkit.exe --version 0.1 --out ZIP

Everything sits in one folder named larkit-VERSION inside the zip. The zip is the same
bytes for the same inputs: fixed order, every entry dated SOURCE_DATE_EPOCH (the commit
time; 1980-01-01 when unset), fixed permissions, fixed compression.
"""

import argparse
import os
import time
import zipfile

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
ZIP_EPOCH = 315532800   # 1980-01-01 00:00:00 UTC, the earliest date a zip entry can carry
UTF8_BOM = b'\xef\xbb\xbf'


def entry_date():
    epoch = max(int(os.environ.get('SOURCE_DATE_EPOCH', ZIP_EPOCH)), ZIP_EPOCH)
    return time.gmtime(epoch)[:6]


def readme_bytes(path):
    """Notepad-friendly: a byte-order mark and CR LF line ends."""
    with open(path, 'rb') as f:
        text = f.read()
    text = text.replace(b'\r\n', b'\n').replace(b'\n', b'\r\n')
    return UTF8_BOM + text if not text.startswith(UTF8_BOM) else text


def file_bytes(path):
    with open(path, 'rb') as f:
        return f.read()


def add(archive, name, data, mode, date):
    info = zipfile.ZipInfo(name, date_time=date)
    info.create_system = 3                  # Unix, so that the modes below are honoured
    info.external_attr = mode << 16
    if name.endswith('/'):
        info.external_attr |= 0x10          # MS-DOS directory bit
        archive.writestr(info, b'')
        return
    info.compress_type = zipfile.ZIP_DEFLATED
    archive.writestr(info, data, compresslevel=9)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--exe', required=True, help='the built larkit.exe')
    parser.add_argument('--version', required=True, help='for example 0.1')
    parser.add_argument('--out', required=True, help='the zip to write')
    parser.add_argument('--help-page', default=os.path.join(ROOT, 'release', 'larkit.htm'))
    parser.add_argument('--readme', default=os.path.join(ROOT, 'release', 'readme.txt'))
    parser.add_argument('--list', default=os.path.join(ROOT, 'demo', 'list.dat'))
    args = parser.parse_args()

    folder = 'larkit-%s/' % args.version
    date = entry_date()
    contents = [
        ('larkit.exe', file_bytes(args.exe), 0o100755),
        ('larkit.htm', file_bytes(args.help_page), 0o100644),
        ('readme.txt', readme_bytes(args.readme), 0o100644),
        ('list.dat', file_bytes(args.list), 0o100644),
    ]
    partial = args.out + '.part'
    with zipfile.ZipFile(partial, 'w') as archive:
        add(archive, folder, b'', 0o40755, date)
        for name, data, mode in contents:
            add(archive, folder + name, data, mode, date)
    os.replace(partial, args.out)


if __name__ == '__main__':
    main()
