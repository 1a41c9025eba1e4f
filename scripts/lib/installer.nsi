; The per-user installer of VIX, made by scripts/package with makensis.
;
; makensis -DVERSION=2.0 -DFILEVERSION=2.0.0.0 -DBUILD=win64 -DSTAGE=DIR
;          -DICON=FILE -DOUTFILE=FILE [-DSIGN=COMMAND] installer.nsi
;
; STAGE holds the (signed) vix.exe and Vix32.dll, and help.chm; SIGN, when
; given, is a command that signs the file named by its last argument in
; place, run on the uninstaller while it is made.
;
; Installs for the current user only, with no administrator rights: into
; %LOCALAPPDATA%\Programs\VIX, a Start menu entry, an entry in the user's
; list of installed programs (with a quiet uninstall) and, when chosen, a
; start at sign-in. Silent: setup.exe /S [/AUTOSTART=1|0] [/D=folder].
; Uninstalling removes all of that and the fetched update program, and
; keeps the user's settings and colour library.

Unicode true
!if "${BUILD}" == "win64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS Win10

!define PRODUCT "VIX"
!define PUBLISHER "Brellin Software Development"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VIX"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UPDATE_FOLDER "$LOCALAPPDATA\Brellin Software Development\VIX\Update"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\VIX"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION} (${BUILD})"

VIProductVersion "${FILEVERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup (${BUILD})"
VIAddVersionKey /LANG=1033 "FileVersion" "${FILEVERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!ifdef SIGN
  !uninstfinalize '${SIGN} "%1"' = 0
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
!include WinMessages.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vix.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Closes a running VIX (which saves its settings and ends within two
; seconds) before its files are replaced or removed. Asks first, unless
; silent.
!macro CLOSE_RUNNING_COPY un
Function ${un}CloseRunningCopy
  FindWindow $0 "Tvix_main"
  ${If} $0 == 0
    Return
  ${EndIf}
  ${IfNot} ${Silent}
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION "VIX is running. It will be closed to go on." /SD IDOK IDOK close
    Abort
  ${EndIf}
  close:
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
  ${For} $1 1 50
    Sleep 100
    FindWindow $0 "Tvix_main"
    ${If} $0 == 0
      ${ExitFor}
    ${EndIf}
  ${Next}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPY ""
!insertmacro CLOSE_RUNNING_COPY "un."

Section "VIX" SecProgram
  SectionIn RO
  Call CloseRunningCopy
  SetOutPath "$INSTDIR"
  File "${STAGE}\vix.exe"
  File "${STAGE}\Vix32.dll"
  File "${STAGE}\help.chm"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetShellVarContext current
  CreateShortcut "$SMPROGRAMS\VIX.lnk" "$INSTDIR\vix.exe" "" "$INSTDIR\vix.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vix.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
  ; Set again below when the start at sign-in is chosen.
  DeleteRegValue HKCU "${RUN_KEY}" "VIX"
SectionEnd

Section /o "Start VIX when I sign in to Windows" SecSignIn
  WriteRegStr HKCU "${RUN_KEY}" "VIX" '"$INSTDIR\vix.exe"'
SectionEnd

; The start at sign-in is offered as it stands (chosen when a former
; install has it); /AUTOSTART=1 or /AUTOSTART=0 decides for silent installs.
Function .onInit
  ReadRegStr $0 HKCU "${RUN_KEY}" "VIX"
  ${If} $0 != ""
    !insertmacro SelectSection ${SecSignIn}
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/AUTOSTART=" $2
  ${IfNot} ${Errors}
    ${If} $2 == "1"
      !insertmacro SelectSection ${SecSignIn}
    ${Else}
      !insertmacro UnselectSection ${SecSignIn}
    ${EndIf}
  ${EndIf}
FunctionEnd

; Replaces the 1 on the stack by 0 when PATH is a reparse point.
!macro VIX_NOT_A_LINK PATH
  System::Call 'kernel32::GetFileAttributesW(w "${PATH}") i .r1'
  ${If} $1 != -1
    IntOp $1 $1 & 0x400
    ${If} $1 != 0
      Pop $1
      Push 0
    ${EndIf}
  ${EndIf}
!macroend

; 1 on the stack when the update folder and the two folders above it below
; the local application data folder are plain folders (or missing), 0 when
; any of them is a reparse point (a junction or a symbolic link).
Function un.UpdateFolderIsOurs
  Push 1
  !insertmacro VIX_NOT_A_LINK "$LOCALAPPDATA\Brellin Software Development"
  !insertmacro VIX_NOT_A_LINK "$LOCALAPPDATA\Brellin Software Development\VIX"
  !insertmacro VIX_NOT_A_LINK "${UPDATE_FOLDER}"
FunctionEnd

; The entry in the list of installed programs goes last: once it is gone,
; so is everything else.
Section "Uninstall"
  Call un.CloseRunningCopy
  SetShellVarContext current
  Delete "$SMPROGRAMS\VIX.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "VIX"
  ; The update program the program fetched; files only. Deleting through a
  ; junction or link in the folder's place, or in a folder above it, would
  ; delete what it points at: then only the link itself goes.
  Call un.UpdateFolderIsOurs
  Pop $0
  ${If} $0 == 1
    Delete "${UPDATE_FOLDER}\*.*"
  ${EndIf}
  RMDir "${UPDATE_FOLDER}"
  RMDir "$LOCALAPPDATA\Brellin Software Development\VIX"
  RMDir "$LOCALAPPDATA\Brellin Software Development"
  Delete "$INSTDIR\vix.exe"
  Delete "$INSTDIR\Vix32.dll"
  Delete "$INSTDIR\help.chm"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The settings and the colour library (HKCU\Software\Brellin Software
  ; Development) stay for a later install.
SectionEnd
