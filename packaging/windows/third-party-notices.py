#!/usr/bin/env python3
"""Writes the notices of everything Velmora for Windows ships that is not Velmora's own: Qt's
libraries and plug-ins, the code Qt carries from others (every qt_attribution.json of the parts
shipped), the MinGW-w64 runtime and the GCC runtime, each with its licence; and, from the same
sources and the same lists, a release's SBOM (SPDX 2.3 JSON), so the two cannot disagree.
    third-party-notices.py QT_SOURCE_DIR DEBIAN_VERSION OUTPUT
    third-party-notices.py sbom QT_SOURCE_DIR DEBIAN_VERSION VELMORA_SOURCE COMMIT DEB ZIP OUTPUT
QT_SOURCE_DIR is Debian's qt6-base source with Debian's patches applied, the one Qt was built
from; DEBIAN_VERSION its version (6.4.2+dfsg-10). The notices are UTF-8 with CRLF line ends.
The SBOM names Velmora, the Debian package and its dependencies, the Windows zip with every
file in it and its SHA-256, Qt with the modules shipped, each library inside Qt, and the MinGW-w64
and GCC runtimes; its creation time is SOURCE_DATE_EPOCH."""
import hashlib
import json
import os
import pathlib
import re
import subprocess
import sys
import textwrap
import time
import zipfile

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


def notices(source, debian_version, output):
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
    pathlib.Path(output).write_bytes(text.replace("\n", "\r\n").encode("utf-8"))


# The SBOM. Licence names that are not SPDX identifiers become LicenseRef-… with their text.
SPDX_IDS = {"Apache-2.0", "BSD-2-Clause", "BSD-2-Clause-NetBSD", "BSD-3-Clause", "CC0-1.0", "FTL",
            "GPL-2.0", "GPL-3.0-only", "GPL-3.0-or-later", "HPND", "IJG", "ISC", "Imlib2",
            "LGPL-3.0-only", "Libpng", "libpng-2.0", "MIT", "MIT-open-group", "Unicode-DFS-2016",
            "X11", "Zlib", "ZPL-2.1"}
DEBIAN_LICENCES = {"expat": "MIT", "BSD-3-clause": "BSD-3-Clause",
                   "BSD-2-clause-NetBSD": "BSD-2-Clause-NetBSD"}
QT_MODULES = "Core, Gui, Widgets, PrintSupport; plug-ins qwindows, qwindowsvistastyle, qjpeg"


class Licences:
    """Turns licence names into SPDX expressions, keeping the text of each LicenseRef."""

    def __init__(self):
        self.extracted = {}

    def identifier(self, name, text_of):
        name = DEBIAN_LICENCES.get(name, name)
        if name in SPDX_IDS:
            return name
        ref = "LicenseRef-" + re.sub(r"[^A-Za-z0-9.-]+", "-", name).strip("-")
        if ref not in self.extracted:
            self.extracted[ref] = {"licenseId": ref, "name": name,
                                   "extractedText": text_of() or f"See the notices of {name}."}
        return ref

    def expression(self, names, text_of=lambda: ""):
        if not names or names in ("None", "NOASSERTION"):
            return "NOASSERTION"
        parts = re.split(r"\s+(AND|OR|and|or)\s+", names.strip())
        return " ".join(p.upper() if i % 2 else self.identifier(p, text_of)
                        for i, p in enumerate(parts))


def spdx_id(*parts):
    return "SPDXRef-" + re.sub(r"[^A-Za-z0-9.-]+", "-", "-".join(parts)).strip("-")


def package(ident, name, version, licence, **extra):
    entry = {"SPDXID": ident, "name": name, "versionInfo": version or "NOASSERTION",
             "downloadLocation": extra.pop("download", "NOASSERTION"), "filesAnalyzed": False,
             "licenseConcluded": licence, "licenseDeclared": licence,
             "copyrightText": extra.pop("copyright", "NOASSERTION")}
    entry.update(extra)
    return entry


def cmake_setting(cmakelists, name):
    match = re.search(rf"^set\({name} ([^)\s]+)\)", cmakelists, re.MULTILINE)
    if not match:
        fail(f"CMakeLists.txt sets no {name}")
    return match.group(1)


def velmora_licence(velmora_source, licences):
    text = read(velmora_source / "packaging" / "copyright")
    body = field(debian_paragraphs(velmora_source / "packaging" / "copyright")[1], "License")
    licences.extracted["LicenseRef-Velmora"] = {
        "licenseId": "LicenseRef-Velmora", "name": "Velmora's licence",
        "extractedText": body.split("\n", 1)[1] if "\n" in body else text}
    return "LicenseRef-Velmora"


def deb_fields(deb):
    fields = {}
    for name in ("Package", "Version", "Depends"):
        result = subprocess.run(["dpkg-deb", "-f", str(deb), name], capture_output=True,
                                text=True, check=False)
        if result.returncode != 0:
            fail(f"dpkg-deb cannot read {deb}: {result.stderr.strip()}")
        fields[name] = result.stdout.strip()
    return fields


def zip_files(zip_path):
    with zipfile.ZipFile(zip_path) as archive:
        for entry in sorted(archive.infolist(), key=lambda e: e.filename):
            if not entry.is_dir():
                data = archive.read(entry)
                yield entry.filename, hashlib.sha256(data).hexdigest(), hashlib.sha1(data).hexdigest()


def runtime_licences(mingw_copyright, licences):
    paragraphs = winpthreads_notice(mingw_copyright)
    texts = {}
    for paragraph in paragraphs:
        name, _, body = field(paragraph, "License").partition("\n")
        if body.strip() and (not field(paragraph, "Files") or name not in texts):
            texts[name] = body
    winpthreads = [field(p, "License").split("\n")[0] for p in paragraphs
                   if "winpthreads" in field(p, "Files")]
    names = sorted({n for names in winpthreads for n in re.split(r"\s+and\s+", names)})
    return " AND ".join(licences.identifier(n, lambda n=n: texts.get(n, "")) for n in names)


def sbom(qt_source, debian_version, velmora_source, commit, deb, zip_path, output):
    licences = Licences()
    cmakelists = read(velmora_source / "CMakeLists.txt")
    version = re.search(r"^project\(Velmora VERSION ([0-9.]+)", cmakelists, re.MULTILINE).group(1)
    homepage = "https://{}/{}/".format(cmake_setting(cmakelists, "VELMORA_SITE_HOST"),
                                       cmake_setting(cmakelists, "VELMORA_SITE_FOLDER"))
    supplier = "Organization: Quorvane Softwares"
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0"))
    upstream = debian_version.split("+")[0].split("-")[0]
    gcc_version = subprocess.run(["dpkg-query", "-W", "-f=${Version}",
                                  "gcc-mingw-w64-x86-64-posix-runtime"],
                                 capture_output=True, text=True, check=True).stdout.strip()

    velmora = spdx_id("Velmora")
    deb_package, zip_package, qt = spdx_id("deb"), spdx_id("windows-zip"), spdx_id("Qt")
    mingw, gcc = spdx_id("mingw-w64-runtime"), spdx_id("gcc-runtime")
    own = velmora_licence(velmora_source, licences)
    fields = deb_fields(deb)
    packages = [
        package(velmora, "Velmora", version, own, supplier=supplier, homepage=homepage,
                copyright="2026 Quorvane Softwares", sourceInfo=f"Git commit {commit}"),
        package(deb_package, pathlib.Path(deb).name, fields["Version"], own, supplier=supplier,
                primaryPackagePurpose="INSTALL", checksums=[checksum(deb)]),
        package(zip_package, pathlib.Path(zip_path).name, version, "NOASSERTION",
                supplier=supplier, primaryPackagePurpose="ARCHIVE", checksums=[checksum(zip_path)]),
        package(qt, "Qt", debian_version, "LGPL-3.0-only",
                summary=f"Qt {upstream} built from Debian's source package qt6-base "
                        f"{debian_version}: {QT_MODULES}",
                externalRefs=[purl(f"pkg:deb/debian/qt6-base@{debian_version}?arch=source")],
                copyright="The Qt Company Ltd. and other contributors"),
        package(mingw, "MinGW-w64 runtime (libwinpthread-1.dll)",
                package_source("mingw-w64-x86-64-dev").split()[1],
                runtime_licences(first_existing(MINGW_COPYRIGHT), licences),
                externalRefs=[purl("pkg:deb/debian/mingw-w64?arch=source")]),
        package(gcc, "GCC runtime libraries (libstdc++-6.dll, libgcc_s_seh-1.dll)", gcc_version,
                "GPL-3.0-or-later WITH GCC-exception-3.1",
                summary="Debian's source package "
                        + package_source("gcc-mingw-w64-x86-64-posix-runtime"),
                externalRefs=[purl("pkg:deb/debian/gcc-mingw-w64?arch=source")]),
    ]
    relationships = [rel("SPDXRef-DOCUMENT", "DESCRIBES", deb_package),
                     rel("SPDXRef-DOCUMENT", "DESCRIBES", zip_package),
                     rel(deb_package, "CONTAINS", velmora), rel(zip_package, "CONTAINS", velmora),
                     rel(zip_package, "CONTAINS", qt), rel(zip_package, "CONTAINS", mingw),
                     rel(zip_package, "CONTAINS", gcc)]
    for folder, entry in attributions(qt_source):
        ident = spdx_id("Qt", entry.get("Id", entry.get("Name", "")))
        names = entry.get("LicenseFiles") or [entry.get("LicenseFile")]

        def text_of(folder=folder, names=names):
            return "\n\n".join(attribution_file(folder, n, qt_source) for n in filter(None, names))

        packages.append(package(ident, entry.get("Name", entry.get("Id")),
                                as_text(entry.get("Version")).strip(),
                                licences.expression(entry.get("LicenseId"), text_of),
                                copyright=as_text(entry.get("Copyright")).strip() or "NOASSERTION"))
        relationships.append(rel(qt, "CONTAINS", ident))
    depends = {}  # a package named twice (by hand and by dpkg-shlibdeps) is one dependency
    for relation in filter(None, (d.strip() for d in fields["Depends"].split(","))):
        depends.setdefault(relation.split()[0], []).append(relation)
    for name, relations in depends.items():
        ident = spdx_id("deb-depends", name)
        packages.append(package(ident, name, "NOASSERTION", "NOASSERTION",
                                summary="Debian package dependency: " + ", ".join(relations)))
        relationships.append(rel(deb_package, "DEPENDS_ON", ident))
    files = []
    for name, sha256, sha1 in zip_files(zip_path):
        ident = spdx_id("File", name)
        files.append({"SPDXID": ident, "fileName": "./" + name,
                      "checksums": [{"algorithm": "SHA1", "checksumValue": sha1},
                                    {"algorithm": "SHA256", "checksumValue": sha256}],
                      "licenseConcluded": "NOASSERTION", "copyrightText": "NOASSERTION"})
        relationships.append(rel(zip_package, "CONTAINS", ident))

    document = {
        "spdxVersion": "SPDX-2.3", "dataLicense": "CC0-1.0", "SPDXID": "SPDXRef-DOCUMENT",
        "name": f"Velmora {version}",
        "documentNamespace": f"{homepage}spdx/velmora-{version}-{commit}",
        "creationInfo": {"created": time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(epoch)),
                         "creators": ["Tool: third-party-notices.py", supplier]},
        "packages": packages, "files": files, "relationships": relationships,
        "hasExtractedLicensingInfos": [licences.extracted[k] for k in sorted(licences.extracted)],
    }
    pathlib.Path(output).write_text(json.dumps(document, indent=1, ensure_ascii=False) + "\n",
                                    encoding="utf-8")


def checksum(path):
    return {"algorithm": "SHA256",
            "checksumValue": hashlib.sha256(pathlib.Path(path).read_bytes()).hexdigest()}


def purl(locator):
    return {"referenceCategory": "PACKAGE-MANAGER", "referenceType": "purl",
            "referenceLocator": locator.replace("+", "%2B")}


def rel(element, kind, related):
    return {"spdxElementId": element, "relationshipType": kind, "relatedSpdxElement": related}


def main():
    args = sys.argv[1:]
    if len(args) == 8 and args[0] == "sbom":
        sbom(pathlib.Path(args[1]).resolve(), args[2], pathlib.Path(args[3]).resolve(), *args[4:])
    elif len(args) == 3:
        notices(pathlib.Path(args[0]).resolve(), args[1], args[2])
    else:
        fail("usage: third-party-notices.py QT_SOURCE_DIR DEBIAN_VERSION OUTPUT\n"
             "       third-party-notices.py sbom QT_SOURCE_DIR DEBIAN_VERSION VELMORA_SOURCE "
             "COMMIT DEB ZIP OUTPUT")


main()
