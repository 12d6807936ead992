#!/usr/bin/env python3
"""Writes the notices of the code linked into Velmora.exe: Qt and the third-party libraries
Qt bundles, from the attributions and licence files of Qt's own source.
    third-party-notices.py QT_SOURCE_DIR OUTPUT"""
import json
import pathlib
import sys

# What the static Qt build links in (the bundled copies; see scripts/build-qt-windows).
LINKED = ["double-conversion", "freetype", "harfbuzz-ng", "libjpeg", "libpng", "md4c", "pcre2",
          "zlib", "easing", "icc", "sha3", "md5", "rfc6234", "blake2", "tinycbor"]


def attributions(folder):
    path = folder / "qt_attribution.json"
    if not path.exists():
        return []
    data = json.loads(path.read_text(encoding="utf-8"), strict=False)
    return data if isinstance(data, list) else [data]


def licence_text(folder, entry, source):
    name = entry.get("LicenseFile")
    if name:
        path = (folder / name).resolve()
        if path.is_file() and source in path.parents:
            return path.read_text(encoding="utf-8", errors="replace")
    return ""


def main():
    source = pathlib.Path(sys.argv[1]).resolve()
    out = [
        "Velmora for Windows contains Qt 6.4.2 (Core, Gui, Widgets, PrintSupport), linked",
        "statically, and the third-party code Qt bundles, listed below with their licences.",
        "",
        "Qt is used under the GNU Lesser General Public License version 3; its source is",
        "Debian's qt6-base 6.4.2 (https://sources.debian.org/src/qt6-base/6.4.2+dfsg-10/).",
        "",
    ]
    for name in LINKED:
        folder = source / "src" / "3rdparty" / name
        for entry in attributions(folder):
            out.append("=" * 78)
            out.append(f"{entry.get('Name', name)} {entry.get('Version', '')}".rstrip())
            out.append(f"Licence: {entry.get('License', '')}")
            if entry.get("Copyright"):
                out.append(entry["Copyright"].strip())
            text = licence_text(folder, entry, source)
            if text:
                out.extend(["", text.strip()])
            out.append("")
    out.extend(["=" * 78, "GNU Lesser General Public License version 3", "",
                (source / "LICENSES" / "LGPL-3.0-only.txt").read_text(encoding="utf-8").strip(),
                "", "=" * 78, "GNU General Public License version 3 (referred to by the LGPL)",
                "", (source / "LICENSES" / "GPL-3.0-only.txt").read_text(encoding="utf-8").strip(),
                ""])
    pathlib.Path(sys.argv[2]).write_text("\r\n".join(out), encoding="utf-8")


main()
