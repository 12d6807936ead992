; Velmora's installer. Built by the windows_packages target, which passes VERSION, STAGE (the
; folder to install, the same the zip holds), ICON, SIGN and OUTFILE.
;
; By default it installs for the user who runs it, with no administrator prompt: the program in
; %LOCALAPPDATA%\Programs\Velmora, its uninstall entry under HKEY_CURRENT_USER and its shortcut
; in the user's Start menu.
;   setup.exe                 install for this user
;   setup.exe /ALLUSERS       install for every user of the machine: Program Files, the entry
;                             under HKEY_LOCAL_MACHINE, the shortcut in every user's Start menu;
;                             needs an administrator (run it from an elevated prompt)
;   /S                        silently
;   /D=C:\Some\Folder         into another folder (last on the command line)
; Installing again over an installed copy replaces every file; the settings, which the program
; keeps under HKEY_CURRENT_USER\Software\Velmora, are never written here.
;
; While Velmora runs (the mutex Global\Velmora.Running exists), neither the installer nor the
; uninstaller changes anything: they ask to close it and try again, and silently they end.
; Exit codes: 0 done; 1 cancelled; 2 failed; 3 Velmora is running, nothing changed;
; 740 /ALLUSERS (or removing an all-users install) without an administrator.
; Uninstall.exe hands its work to a copy of itself in the temporary folder and returns at once,
; as every NSIS uninstaller does; to wait for it and get its exit code, run a copy of it kept
; elsewhere with _?=<the installed folder> as its last argument.

; The program is 64-bit only, and so is its installer (which also lets Wine64 run it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true
; A file that cannot be replaced stops the installation: never "completed" with old files left.
AllowSkipFiles off
; The installer holds no file times, so the same files give the same installer.
SetDateSave off
; The uninstaller the installer writes, and the installer itself, are signed when a key is given
; (SIGN is packaging/windows/sign.sh, which does nothing without one).
!uninstfinalize 'sh "${SIGN}" "%1"' = 0
!finalize 'sh "${SIGN}" "%1"' = 0

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

; Every file of the stage folder, named one by one for the installer and the uninstaller alike.
!system 'python3 "${__FILEDIR__}/stage-files.py" "${STAGE}" "${STAGE}.nsh"' = 0
!include "${STAGE}.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define RUNNING_MUTEX "Global\Velmora.Running"
!define SYNCHRONIZE 0x00100000
!define ERROR_FILE_NOT_FOUND 2
!define EXIT_FAILED 2
!define EXIT_RUNNING 3
!define EXIT_NEEDS_ADMINISTRATOR 740

Name "Velmora ${VERSION}"
OutFile "${OUTFILE}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Velmora"
VIAddVersionKey "CompanyName" "Quorvane Softwares"
VIAddVersionKey "FileDescription" "Velmora ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Quorvane Softwares"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; $0 = 1 while a copy of Velmora runs, whoever runs it: it holds the mutex. Only "not found"
; means none does; any other failure (another user's copy, which this user may not open) means
; the mutex exists.
!macro VelmoraIsRunning
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p .r1 ?e'
    Pop $2
    ${If} $1 != 0
        System::Call 'kernel32::CloseHandle(p r1)'
        StrCpy $0 1
    ${ElseIf} $2 = ${ERROR_FILE_NOT_FOUND}
        StrCpy $0 0
    ${Else}
        StrCpy $0 1
    ${EndIf}
!macroend

!macro WAIT_UNTIL_VELMORA_CLOSES un
Function ${un}WaitUntilVelmoraCloses
    ${Do}
        !insertmacro VelmoraIsRunning
        ${If} $0 = 0
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Velmora is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
        SetErrorLevel ${EXIT_RUNNING}
        Quit
    retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_VELMORA_CLOSES ""
!insertmacro WAIT_UNTIL_VELMORA_CLOSES "un."

!macro NEED_ADMINISTRATOR un
Function ${un}NeedAdministrator
    System::Call 'shell32::IsUserAnAdmin() i .r0'
    ${If} $0 = 0
        MessageBox MB_OK|MB_ICONSTOP \
            "Velmora for all users can be installed or removed only by an administrator. Run this again as administrator." \
            /SD IDOK
        SetErrorLevel ${EXIT_NEEDS_ADMINISTRATOR}
        Quit
    ${EndIf}
FunctionEnd
!macroend
!insertmacro NEED_ADMINISTRATOR ""
!insertmacro NEED_ADMINISTRATOR "un."

Function .onInit
    SetRegView 64
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/ALLUSERS" $R1
    ${If} ${Errors}
        SetShellVarContext current
        StrCpy $R2 "$LOCALAPPDATA\Programs\Velmora"
    ${Else}
        Call NeedAdministrator
        SetShellVarContext all
        StrCpy $R2 "$PROGRAMFILES64\Velmora"
    ${EndIf}
    ; No /D=: the folder of the copy installed before, or the default.
    ${If} $INSTDIR == ""
        ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR $R2
        ${EndIf}
    ${EndIf}
    Call WaitUntilVelmoraCloses
FunctionEnd

Section "Velmora"
    ; It may have been started while the pages were shown.
    Call WaitUntilVelmoraCloses
    !insertmacro InstallStageFiles
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\Velmora.lnk" "$INSTDIR\Velmora.exe"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Velmora"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Quorvane Softwares"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velmora.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${STAGE_SIZE_KB}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The all-users copy is the one whose entry under HKEY_LOCAL_MACHINE names this folder.
Function un.onInit
    SetRegView 64
    SetShellVarContext current
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    Push $R0
    Call un.WithoutTrailingBackslash
    Pop $R0
    Push $INSTDIR
    Call un.WithoutTrailingBackslash
    Pop $R1
    ${If} $R0 != ""
    ${AndIf} $R0 == $R1
        Call un.NeedAdministrator
        SetShellVarContext all
    ${EndIf}
    Call un.WaitUntilVelmoraCloses
FunctionEnd

Function un.WithoutTrailingBackslash
    Exch $0
    StrCpy $1 $0 1 -1
    ${If} $1 == "\"
        StrCpy $0 $0 -1
    ${EndIf}
    Exch $0
FunctionEnd

; Removes exactly what the installer put there; a file of the user's in the folder stays, and
; so does the folder then. The entry goes last, and only when the program's files are gone.
Section "Uninstall"
    Call un.WaitUntilVelmoraCloses
    ClearErrors
    !insertmacro UninstallStageFiles
    ${If} ${Errors}
    ${OrIf} ${FileExists} "$INSTDIR\Velmora.exe"
        SetErrorLevel ${EXIT_FAILED}
        MessageBox MB_OK|MB_ICONSTOP \
            "Some of Velmora's files in $INSTDIR could not be removed. Close the programs using them and uninstall again." \
            /SD IDOK
        Abort
    ${EndIf}
    Delete "$SMPROGRAMS\Velmora.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    Delete "$INSTDIR\Uninstall.exe"
    !insertmacro RemoveStageFolders
    RMDir "$INSTDIR"
SectionEnd
