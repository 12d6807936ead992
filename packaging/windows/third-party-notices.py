#!/usr/bin/env python3
"""Writes the notices of everything Velmora for Windows ships that is not Velmora's own: Qt's
libraries and plug-ins, the code Qt carries from others (every qt_attribution.json of the parts
shipped), the MinGW-w64 runtime and the GCC runtime, each with its licence.
    third-party-notices.py QT_SOURCE_DIR DEBIAN_VERSION OUTPUT
QT_SOURCE_DIR is Debian's qt6-base source with Debian's patches applied, the one Qt was built
from; DEBIAN_VERSION its version (6.4.2+dfsg-10). The output is UTF-8 with CRLF line ends."""
import json
import pathlib
import re
import subprocess
import sys
import textwrap

QT_FILES = ["Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll", "Qt6PrintSupport.dll",
            r"platforms\qwindows.dll", r"styles\qwindowsvistastyle.dll", r"imageformats\qjpeg.dll"]

# The source of what those files are built from. Every qt_attribution.json below them counts
# unless it is named in NOT_BUILT; src/3rdparty is walked whole for the same reason, so a library
# added in a later Qt is listed until someone shows it is not built.
QT_PARTS = ["src/corelib", "src/gui", "src/widgets", "src/printsupport",
            "src/plugins/platforms/windows", "src/plugins/styles/windowsvista",
            "src/plugins/styles/modernwindows", "src/plugins/imageformats/jpeg", "src/3rdparty",
            # QGradient's presets in Qt Gui are generated from this collection.
            "util/gradientgen"]

NOT_BUILT = {
    "qeventdispatcher_cf": "macOS only",
    "forkfd": "Unix only",
    "pixman": "ARM NEON only",
    "android-native-style": "Android only",
    "android-gradle-wrapper": "Android packaging",
    "vera_font": "WebAssembly only",
    "dejayvu": "WebAssembly only",
    "xcb-xinput": "X11 only",
    "libpsl": "Qt Network, not shipped",
}

MINGW_COPYRIGHT = ["/usr/share/doc/mingw-w64-x86-64-dev/copyright",
                   "/usr/share/doc/mingw-w64-common/copyright"]
GCC_COPYRIGHT = ["/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright",
                 "/usr/share/doc/gcc-mingw-w64-base/copyright"]

RULE = "=" * 78


def fail(message):
    sys.exit(f"third-party-notices.py: {message}")


def read(path):
    return pathlib.Path(path).read_text(encoding="utf-8", errors="replace").strip()


def first_existing(paths):
    for path in paths:
        if pathlib.Path(path).is_file():
            return path
    fail("none of " + ", ".join(paths) + " is on this machine")


def as_text(value):
    return "\n".join(value) if isinstance(value, list) else (value or "")


def attributions(source):
    """(folder, entry) for every attribution of the parts shipped, in a stable order."""
    found = []
    for part in QT_PARTS:
        folder = source / part
        if folder.is_dir():
            found.extend(sorted(folder.rglob("qt_attribution.json")))
    if not found:
        fail(f"no qt_attribution.json under {source}: is it Qt's source?")
    for path in found:
        data = json.loads(path.read_text(encoding="utf-8"), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            if entry.get("Id") not in NOT_BUILT:
                yield path.parent, entry


def attribution_file(folder, name, source):
    path = (folder / name).resolve()
    if source not in path.parents or not path.is_file():
        fail(f"{folder / name}, named by {folder}/qt_attribution.json, is missing")
    return read(path)


def attribution_notice(folder, entry, source):
    version = as_text(entry.get("Version")).strip()
    lines = [RULE, f"{entry.get('Name', entry.get('Id'))}{' ' + version if version else ''}"]
    if entry.get("QtUsage"):
        lines.append(" ".join(entry["QtUsage"].split()))
    lines.append(f"Licence: {entry.get('License', 'see below')}")
    copyright_text = as_text(entry.get("Copyright")).strip()
    if copyright_text:
        lines.extend(["", copyright_text])
    if entry.get("CopyrightFile"):
        lines.extend(["", attribution_file(folder, entry["CopyrightFile"], source)])
    names = entry.get("LicenseFiles") or [entry.get("LicenseFile")]
    for name in filter(None, names):
        lines.extend(["", attribution_file(folder, name, source)])
    lines.append("")
    return lines


def debian_paragraphs(path):
    """The paragraphs of a machine-readable Debian copyright file."""
    return [p for p in re.split(r"\n\s*\n", read(path)) if p.strip()]


def field(paragraph, name):
    match = re.search(rf"^{name}:[ \t]*(.*(?:\n[ \t].*)*)", paragraph, re.MULTILINE)
    return match.group(1) if match else ""


def winpthreads_notice(path):
    """The paragraphs of the MinGW-w64 copyright file that cover libwinpthread-1.dll and the
    start-up code every program and DLL links, with the licences they name."""
    paragraphs = debian_paragraphs(path)
    chosen, licences = [], set()
    for paragraph in paragraphs:
        files = field(paragraph, "Files").split()
        if any(f == "*" or f.startswith(("mingw-w64-crt/", "mingw-w64-libraries/winpthreads/"))
               and "tests" not in f for f in files):
            chosen.append(paragraph)
            licences.update(re.split(r"\s+(?:and|or)\s+", field(paragraph, "License").split("\n")[0]))
    if not any("winpthreads" in field(p, "Files") for p in chosen):
        fail(f"{path} says nothing of winpthreads")
    for paragraph in paragraphs:
        if not field(paragraph, "Files") and field(paragraph, "License").split("\n")[0] in licences:
            chosen.append(paragraph)
    return chosen


def package_source(package):
    try:
        return subprocess.run(["dpkg-query", "-W", "-f=${source:Package} ${source:Version}", package],
                              capture_output=True, text=True, check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        fail(f"dpkg-query does not know {package}, which the Windows build uses")


def runtime_exception(gcc_copyright):
    text = read(gcc_copyright)
    match = re.search(r"GCC RUNTIME LIBRARY EXCEPTION.*?copyleft\s+requirements of the license of GCC\.",
                      text, re.DOTALL)
    if not match:
        fail(f"{gcc_copyright} does not hold the GCC Runtime Library Exception")
    return match.group(0)


def main():
    if len(sys.argv) != 4:
        fail("usage: third-party-notices.py QT_SOURCE_DIR DEBIAN_VERSION OUTPUT")
    source = pathlib.Path(sys.argv[1]).resolve()
    debian_version = sys.argv[2]
    upstream = debian_version.split("+")[0].split("-")[0]
    mingw_copyright = first_existing(MINGW_COPYRIGHT)
    gcc_copyright = first_existing(GCC_COPYRIGHT)
    mingw_source = package_source("mingw-w64-x86-64-dev")
    gcc_source = package_source("gcc-mingw-w64-x86-64-posix-runtime")

    out = [
        "Velmora for Windows: third-party notices",
        "",
        "Velmora's own files (Velmora.exe, copyright.txt) are under Velmora's licence, in",
        "copyright.txt. Everything else in the folder is other people's work, shipped under the",
        "licences below.",
        "",
        RULE,
        f"1. Qt {upstream}",
        "",
        *textwrap.wrap("Files: " + ", ".join(QT_FILES), 88),
        "Copyright (C) The Qt Company Ltd. and other contributors.",
        "Licence: GNU Lesser General Public License version 3 (LGPL-3.0-only), the full text at",
        "the end of this file, with the GNU General Public License version 3 it refers to.",
        "",
        f"Source: built unchanged from Debian's source package qt6-base, version {debian_version},",
        "with Debian's patches applied (on Debian: apt-get source qt6-base=" + debian_version + "),",
        "as shared libraries with Debian's MinGW-w64 GCC cross compiler for x86-64 with POSIX",
        "threads (the versions in sections 3 and 4). You may put in their place a version you",
        "changed or built yourself; Velmora's licence does not limit the rights the LGPL gives",
        "you (see copyright.txt).",
        "",
        "Qt contains the code and data of others listed in section 2.",
        "",
        RULE,
        "2. Code and data of others inside Qt's files",
        "",
    ]
    for folder, entry in attributions(source):
        out.extend(attribution_notice(folder, entry, source))

    out.extend([
        RULE,
        "3. The MinGW-w64 runtime",
        "",
        "Files: libwinpthread-1.dll; and the MinGW-w64 start-up and support code built into every",
        "program and library above.",
        f"Source: Debian's source package {mingw_source}.",
        "From Debian's copyright file of MinGW-w64, the parts that cover these files:",
        "",
    ])
    out.extend(p + "\n" for p in winpthreads_notice(mingw_copyright))
    out.extend([
        RULE,
        "4. The GCC runtime libraries",
        "",
        "Files: libstdc++-6.dll, libgcc_s_seh-1.dll; and the parts of libgcc and libstdc++ built",
        "into every program and library above.",
        "Licence: GNU General Public License version 3 (text at the end of this file) with the",
        "GCC Runtime Library Exception, version 3.1, which follows.",
        f"Source: Debian's source package {gcc_source}.",
        "",
        runtime_exception(gcc_copyright),
        "",
        "Debian's copyright file of these libraries, in full:",
        "",
        read(gcc_copyright),
        "",
        RULE,
        "GNU Lesser General Public License version 3",
        "",
        read(source / "LICENSES" / "LGPL-3.0-only.txt"),
        "",
        RULE,
        "GNU General Public License version 3",
        "",
        read(source / "LICENSES" / "GPL-3.0-only.txt"),
        "",
    ])
    text = "\n".join(out).replace("\r\n", "\n")
    pathlib.Path(sys.argv[3]).write_bytes(text.replace("\n", "\r\n").encode("utf-8"))


main()
