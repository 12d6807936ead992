#!/usr/bin/env python3
"""Writes the NSIS include that installs every file of the stage folder and uninstalls exactly
those, so the installer and the uninstaller cannot disagree with the folder the zip holds.
    stage-files.py STAGE OUTPUT
Defines the macros InstallStageFiles, UninstallStageFiles and RemoveStageFolders (deepest first,
each removed only when empty) and STAGE_SIZE_KB."""
import os
import pathlib
import sys


# A wild card would make Delete remove the user's files too.
def nsis(text):
    if any(c in text for c in '"`\'\r\n*?'):
        sys.exit(f"stage-files.py: {text!r} cannot be named in the installer")
    return text.replace("$", "$$")


def main():
    stage = pathlib.Path(sys.argv[1]).resolve()
    files = sorted(p.relative_to(stage) for p in stage.rglob("*") if not p.is_dir())
    for path in files:
        if (stage / path).is_symlink() or not (stage / path).is_file():
            sys.exit(f"stage-files.py: {stage / path} is not a regular file")
    if not files:
        sys.exit(f"stage-files.py: {stage} holds nothing to install")
    folders = sorted({p for f in files for p in f.parents if p != pathlib.Path(".")},
                     key=lambda p: (-len(p.parts), str(p)))

    def target(path):
        return "$INSTDIR" + "".join("\\" + nsis(part) for part in path.parts)

    out = ["!macro InstallStageFiles"]
    for folder in sorted({f.parent for f in files}, key=str):
        out.append(f'    SetOutPath "{target(folder)}"')
        out.extend(f'    File "{nsis(str(stage / f))}"' for f in files if f.parent == folder)
    out += ["!macroend", "", "!macro UninstallStageFiles"]
    out.extend(f'    Delete "{target(f)}"' for f in files)
    out += ["!macroend", "", "!macro RemoveStageFolders"]
    out.extend(f'    RMDir "{target(f)}"' for f in folders)
    out += ["!macroend", ""]
    size = sum(os.path.getsize(stage / f) for f in files)
    out.append(f"!define STAGE_SIZE_KB {(size + 1023) // 1024}")
    pathlib.Path(sys.argv[2]).write_text("\n".join(out) + "\n", encoding="utf-8")


main()
