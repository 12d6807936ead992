; Velmora's installer. Built by the windows_packages target, which passes
; VERSION, STAGE (the folder to install), ICON and OUTFILE.
; The program is 64-bit only, and so is its installer (which also lets Wine64 run it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"

Name "Velmora ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Velmora"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Velmora"
    SetRegView 64
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${STAGE}\Velmora.exe"
    File "${STAGE}\copyright.txt"
    File "${STAGE}\third-party-notices.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "$SMPROGRAMS\Velmora"
    CreateShortcut "$SMPROGRAMS\Velmora\Velmora.lnk" "$INSTDIR\Velmora.exe"
    CreateShortcut "$SMPROGRAMS\Velmora\Uninstall Velmora.lnk" "$INSTDIR\Uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Velmora"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quorvane Softwares"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velmora.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes exactly what the installer put there: the user's reading files live wherever the
; user saved them and are never touched, and the folder goes only when nothing else is in it.
Section "Uninstall"
    SetRegView 64
    SetShellVarContext all
    Delete "$INSTDIR\Velmora.exe"
    Delete "$INSTDIR\copyright.txt"
    Delete "$INSTDIR\third-party-notices.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\Velmora\Velmora.lnk"
    Delete "$SMPROGRAMS\Velmora\Uninstall Velmora.lnk"
    RMDir "$SMPROGRAMS\Velmora"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
