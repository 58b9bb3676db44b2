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
; The named lock that a running Nimbrel holds, its window or a command-line run.
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
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${LOCK_NAME}") p .r0'
    ${If} $0 != 0
        System::Call 'kernel32::CloseHandle(p r0)'
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

Section "Nimbrel"
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${BINDIR}/Nimbrel.exe"
    File "${BINDIR}/Scrubcore.dll"
    File "${BINDIR}/Updrift.dll"
    File "${BINDIR}/Nimbrel Help.chm"
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

    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Nimbrel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
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

; Only what the installer, the program and its updates put there goes: a
; file of the user's keeps the folder, and the folder is never removed with
; whatever it holds.
Section "Uninstall"
    Delete "$INSTDIR\Nimbrel.exe"
    Delete "$INSTDIR\Scrubcore.dll"
    Delete "$INSTDIR\Updrift.dll"
    Delete "$INSTDIR\Nimbrel Help.chm"
    Delete "$INSTDIR\LOGS\LOGS_*.log"
    Delete "$INSTDIR\LOGS\Updrift.log"
    RMDir "$INSTDIR\LOGS"
    Delete "$INSTDIR\LOGS_*.zip"
    Delete "$INSTDIR\~upd*.tmp"
    Call un.RemoveStagingFolders
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
SectionEnd
