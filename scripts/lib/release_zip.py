#!/usr/bin/env python3
"""Packs the Windows program folder into a zip archive for release.

    release_zip.py ARCHIVE TOP_FOLDER EXECUTABLE PROGRAM_FOLDER

The archive holds TOP_FOLDER/ with the executable and everything in PROGRAM_FOLDER (the
delivered dist/ folder), except repository files. Names are stored in GBK, as the Chinese
Windows the program is made for expects them (its built-in zip folders and older unpackers read
names in the system code page), with Info-ZIP's Unicode path field beside each, so that tools that
know it get the same names on any system. The archive is read back and checked before it is kept.
"""
import os
import struct
import sys
import zipfile
import zlib

SKIPPED = {".gitattributes", ".gitignore"}
UNICODE_PATH_FIELD = 0x7075


class GbkNamedEntry(zipfile.ZipInfo):
    """An entry whose name is written in GBK, without the UTF-8 flag."""

    def _encodeFilenameFlags(self):  # noqa: N802 (zipfile's own name)
        return self.filename.encode("gbk"), self.flag_bits & ~0x800


def entry(name, date_time, directory=False):
    info = GbkNamedEntry(name + ("/" if directory else ""), date_time)
    gbk_name = info.filename.encode("gbk")
    utf8_name = info.filename.encode("utf-8")
    if gbk_name != utf8_name:
        data = struct.pack("<BI", 1, zlib.crc32(gbk_name)) + utf8_name
        info.extra = struct.pack("<HH", UNICODE_PATH_FIELD, len(data)) + data
    if directory:
        info.external_attr = 0o40755 << 16 | 0x10
    else:
        info.external_attr = 0o644 << 16
        info.compress_type = zipfile.ZIP_DEFLATED
    return info


def collect(top, executable, folder):
    """(name in the archive, path on disk or None for a folder), folders before their files."""
    items = [(top, None), (top + "/" + os.path.basename(executable), executable)]
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        relative = os.path.relpath(root, folder)
        prefix = top if relative == "." else top + "/" + relative.replace(os.sep, "/")
        if relative != ".":
            items.append((prefix, None))
        for name in sorted(files):
            if name not in SKIPPED:
                items.append((prefix + "/" + name, os.path.join(root, name)))
    return items


def write(archive, items):
    with zipfile.ZipFile(archive, "w") as out:
        for name, path in items:
            if path is None:
                out.writestr(entry(name, (2024, 1, 1, 0, 0, 0), directory=True), b"")
                continue
            stamp = max(os.stat(path).st_mtime, 315532800)  # zip dates start in 1980
            with open(path, "rb") as source:
                out.writestr(entry(name, zipfile.time.localtime(stamp)[:6]), source.read())


def check(archive, items):
    expected = {name + ("/" if path is None else ""): path for name, path in items}
    with zipfile.ZipFile(archive) as packed:
        bad = packed.testzip()
        if bad is not None:
            sys.exit(f"release_zip: {bad} is damaged in {archive}")
        names = {}
        for info in packed.infolist():
            # Without the UTF-8 flag zipfile decodes names as code page 437; undo that.
            raw = info.filename.encode("cp437") if not info.flag_bits & 0x800 else None
            if raw is None:
                sys.exit(f"release_zip: {info.filename} was stored as UTF-8")
            names[raw.decode("gbk")] = info
        if set(names) != set(expected):
            sys.exit(f"release_zip: the archive holds {sorted(names)}, expected {sorted(expected)}")
        for name, path in expected.items():
            if path is not None:
                with open(path, "rb") as source:
                    if packed.read(names[name]) != source.read():
                        sys.exit(f"release_zip: {name} differs from {path}")


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    archive, top, executable, folder = sys.argv[1:]
    items = collect(top, executable, folder)
    partial = archive + ".partial"
    write(partial, items)
    check(partial, items)
    os.replace(partial, archive)
    print(f"{archive}: {sum(1 for _, p in items if p)} files")


if __name__ == "__main__":
    main()
