#!/usr/bin/env python3
"""Writes the Windows zip of a staged folder so that the same files give the same bytes: the
entries in name order, each folder before what it holds, every time SOURCE_DATE_EPOCH (or
1980-01-01, the earliest a zip can hold), files 0644 and folders 0755 whatever the umask.
    make-zip.py STAGE ZIP        (the zip holds STAGE's folder by its own name)"""
import os
import pathlib
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC


def entry_time():
    epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH", ZIP_EPOCH)), ZIP_EPOCH)
    return time.gmtime(epoch)[:6]


def info(name, mode, when):
    entry = zipfile.ZipInfo(name, date_time=when)
    entry.create_system = 3  # Unix, so that the modes below are read
    entry.external_attr = mode << 16
    if name.endswith("/"):
        entry.external_attr |= 0x10  # MS-DOS folder flag
    return entry


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make-zip.py STAGE ZIP")
    stage = pathlib.Path(sys.argv[1]).resolve()
    output = pathlib.Path(sys.argv[2])
    when = entry_time()
    paths = sorted(stage.rglob("*"), key=lambda p: p.relative_to(stage).parts)
    temporary = output.with_name(output.name + ".part")
    with zipfile.ZipFile(temporary, "w") as archive:
        archive.writestr(info(stage.name + "/", 0o40755, when), b"")
        for path in paths:
            name = "/".join((stage.name, *path.relative_to(stage).parts))
            if path.is_symlink() or not (path.is_dir() or path.is_file()):
                sys.exit(f"make-zip.py: {path} is not a regular file or folder")
            if path.is_dir():
                archive.writestr(info(name + "/", 0o40755, when), b"")
            else:
                archive.writestr(info(name, 0o100644, when), path.read_bytes(),
                                 compress_type=zipfile.ZIP_DEFLATED, compresslevel=9)
    temporary.replace(output)


main()
