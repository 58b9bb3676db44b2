; The Windows installer of Nimbrel: the program folder under Program Files,
; its LOGS folder, the first-run marker, a Start-menu shortcut, and an entry
; under Add/Remove Programs whose uninstaller takes all of that away again,
; with the program's settings and its start-up entry, and nothing else.
;
; makensis -DVERSION=2.3.2.1 -DBINDIR=<program folder> -DICON=<nimbrel.ico>
;          -DOUTFILE=<setup.exe> Nimbrel.nsi
; The programs are 64-bit: so is the installer, and it sees the registry and
; the Program Files folder that the program sees.

Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!define PRODUCT "Nimbrel"
!define SETTINGS_KEY "SOFTWARE\${PRODUCT}"
!define UNINSTALL_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"
; Named after the product: a folder shared with other programs may hold
; their "Uninstall.exe", which must be neither overwritten nor removed.
!define UNINSTALLER "Uninstall ${PRODUCT}.exe"
; Older versions wrote the plain name; an upgrade takes that file away only
; when Add/Remove Programs named it as ours.
!define OLD_UNINSTALLER "Uninstall.exe"
; The named lock that a running Nimbrel holds, its window or a command-line run.
; Machine-wide, so that a run in another session counts too.
!define LOCK_NAME "Global\${PRODUCT}"
!define SYNCHRONIZE 0x00100000

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

; Files in use cannot be replaced or removed, and a scan or cleaning must not
; lose its program under it: with Nimbrel running, nothing is done.
!macro RefuseWhileRunning UN TEXT
Function ${UN}RefuseWhileRunning
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${LOCK_NAME}") p .r0 ?e'
    Pop $1
    ; A lock of another account's run may exist but not be ours to open.
    ${If} $0 != 0
    ${OrIf} $1 == 5
        ${If} $0 != 0
            System::Call 'kernel32::CloseHandle(p r0)'
        ${EndIf}
        MessageBox MB_OK|MB_ICONSTOP "${TEXT}" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd
!macroend
!insertmacro RefuseWhileRunning "" "Nimbrel is running. Close Nimbrel (or wait until its scheduled clean has ended), then run Setup again."
!insertmacro RefuseWhileRunning "un." "Nimbrel is running. Close Nimbrel (or wait until its scheduled clean has ended), then remove it again."

Function .onInit
    SetShellVarContext all
    Call RefuseWhileRunning
FunctionEnd

; The program's files, the one list the setup, its size figure and the
; uninstaller go through.
!macro ForEachProgramFile DO
    !insertmacro ${DO} "Nimbrel.exe"
    !insertmacro ${DO} "Scrubcore.dll"
    !insertmacro ${DO} "Updrift.dll"
    !insertmacro ${DO} "Nimbrel Help.chm"
    ; The community's rules (CC BY-SA 4.0: its licence goes with it).
    !insertmacro ${DO} "winapp2.ini"
    !insertmacro ${DO} "winapp2-LICENSE.md"
!macroend
!macro InstallProgramFile NAME
    File "${BINDIR}/${NAME}"
!macroend
!macro AddOwnFileSize NAME
    ${GetSize} "$INSTDIR" "/M=${NAME} /S=0B /G=0" $0 $1 $2
    IntOp $3 $3 + $0
!macroend

Section "Nimbrel"
    SectionIn RO
    SetOutPath "$INSTDIR"
    !insertmacro ForEachProgramFile InstallProgramFile
    CreateDirectory "$INSTDIR\LOGS"

    ; The first start writes the factory selection. A new version installed
    ; over an older one keeps the selection the user made.
    ClearErrors
    ReadRegStr $0 HKLM "${SETTINGS_KEY}" "Windows Temp Folder"
    ${If} ${Errors}
        WriteRegStr HKLM "${SETTINGS_KEY}" "first" "1"
    ${EndIf}

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Nimbrel.exe" "" "$INSTDIR\Nimbrel.exe" 0 \
        SW_SHOWNORMAL "" "Scan and clean the traces Windows and your programs leave behind"

    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "UninstallString"
    ${If} $0 == '"$INSTDIR\${OLD_UNINSTALLER}"'
        Delete "$INSTDIR\${OLD_UNINSTALLER}"
    ${EndIf}
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Nimbrel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    ; Started plainly, an uninstaller hands its work to a copy of itself in
    ; the temporary folder and ends at once with 0, whatever the copy then
    ; decides. The quiet form runs in place, so that a deployment tool waits
    ; for the whole removal and sees its exit code (2 while Nimbrel runs).
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR'
    ; Whose start-up entry the uninstaller must take away; an uninstaller
    ; run by another account cannot reach that user's registry and says so.
    ReadEnvStr $0 USERNAME
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstalledBy" "$0"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; Only the files Nimbrel put there: the folder may be shared.
    StrCpy $3 0
    !insertmacro ForEachProgramFile AddOwnFileSize
    !insertmacro AddOwnFileSize "${UNINSTALLER}"
    IntOp $3 $3 / 1024
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $3
SectionEnd

Function un.onInit
    SetShellVarContext all
    Call un.RefuseWhileRunning
FunctionEnd

; The updater's staging folders ("~updstage" and ten characters), with the
; downloads that were never installed. A link in their place is removed as a
; link: nothing outside the program folder is touched.
Function un.RemoveStagingFolders
    FindFirst $0 $1 "$INSTDIR\~updstage*"
    ${DoWhile} $1 != ""
        ${GetFileAttributes} "$INSTDIR\$1" "REPARSE_POINT" $2
        ${If} $2 == 1
            RMDir "$INSTDIR\$1"
        ${Else}
            RMDir /r "$INSTDIR\$1"
        ${EndIf}
        FindNext $0 $1
    ${Loop}
    FindClose $0
FunctionEnd

; Run in place (the quiet form), the uninstaller's own file is in use: it
; is moved out of the program folder, so that the folder can go now, and the
; moved copy goes at the next restart; where it cannot be moved, a command
; removes it after this process.
Function un.RemoveOwnFile
    ClearErrors
    Delete "$INSTDIR\${UNINSTALLER}"
    ${If} ${Errors}
        GetTempFileName $0
        Delete "$0"
        ClearErrors
        Rename "$INSTDIR\${UNINSTALLER}" "$0"
        ${If} ${Errors}
            ; Where a running program's file cannot be moved either, a hidden
            ; command removes it (and the folder, when empty) once this
            ; process has ended: it retries for a few seconds.
            ReadEnvStr $1 COMSPEC
            Exec '"$1" /c for /l %i in (1,1,20) do @(if exist "$INSTDIR\${UNINSTALLER}" (ping -n 2 127.0.0.1 >nul & del /f /q "$INSTDIR\${UNINSTALLER}" 2>nul)) & rmdir "$INSTDIR" 2>nul'
        ${Else}
            Delete /REBOOTOK "$0"
        ${EndIf}
    ${EndIf}
FunctionEnd

; The user's own start-up entry (HKCU), when it starts this folder's program:
; a program that is gone must not be started at every logon. Another
; account's entry is out of reach of this uninstaller; it says whose.
Function un.RemoveUserStartupEntry
    ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
    ${If} $0 == '"$INSTDIR\Nimbrel.exe"'
    ${OrIf} $0 == "$INSTDIR\Nimbrel.exe"
        DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    ${EndIf}
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstalledBy"
    ReadEnvStr $2 USERNAME
    ${If} $1 != ""
    ${AndIf} $1 != $2
        DetailPrint "Not reached: the start-up entry of $1 (HKCU\${RUN_KEY}, value ${PRODUCT}); Windows tries to start the removed program at each of $1's logons until that value is deleted."
    ${EndIf}
FunctionEnd

!macro RemoveProgramFile NAME
    Delete "$INSTDIR\${NAME}"
!macroend

; Only what the installer, the program and its updates put there goes: a
; file of the user's keeps the folder, and the folder is never removed with
; whatever it holds.
Section "Uninstall"
    !insertmacro ForEachProgramFile RemoveProgramFile
    Delete "$INSTDIR\LOGS\LOGS_*.log"
    Delete "$INSTDIR\LOGS\Updrift.log"
    RMDir "$INSTDIR\LOGS"
    Delete "$INSTDIR\LOGS_*.zip"
    Delete "$INSTDIR\~upd*.tmp"
    Call un.RemoveStagingFolders
    Call un.RemoveOwnFile
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Call un.RemoveUserStartupEntry
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
SectionEnd
