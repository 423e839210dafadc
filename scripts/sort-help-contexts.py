#!/usr/bin/env python3
"""Puts the topic names of a WinHelp file in the order the viewer searches them.

The viewer finds a topic by the hash of its name (a signed 32-bit number) in the
file's |CONTEXT tree, whose entries must be sorted by that signed number.
halibut sorts them as unsigned numbers, so every topic whose hash is negative
cannot be opened by name. The help of this program fits in one leaf page of that
tree; a larger tree stops the build here rather than leave a half-sorted file.
Usage: sort-help-contexts.py FILE.HLP"""
import struct
import sys

path = sys.argv[1]
data = bytearray(open(path, "rb").read())

name = b"|CONTEXT\0"
at = data.find(name)
if at < 0:
    sys.exit(f"{path}: no |CONTEXT in the file directory")
(file_offset,) = struct.unpack_from("<I", data, at + len(name))
tree = file_offset + 9  # past the internal file header (reserved, used, flags)
magic, _flags, _page_size = struct.unpack_from("<HHH", data, tree)
levels = struct.unpack_from("<h", data, tree + 32)[0]
if magic != 0x293B:
    sys.exit(f"{path}: |CONTEXT is not a B+ tree")
if levels != 1:
    sys.exit(f"{path}: |CONTEXT has {levels} levels; only a single leaf page is sorted here")

page = tree + 38
(count,) = struct.unpack_from("<h", data, page + 2)
entries = [struct.unpack_from("<iI", data, page + 8 + 8 * i) for i in range(count)]
for i, entry in enumerate(sorted(entries)):
    struct.pack_into("<iI", data, page + 8 + 8 * i, *entry)
open(path, "wb").write(data)
