; Zentrova's per-user installer: no administrator rights, everything under
; the user's own profile and HKEY_CURRENT_USER.
;
; Built by the Windows build (target `installer`):
;   makensis -DVERSION=1.2.3 -DVERSION_QUAD=1.2.3.0 -DPROGRAM=zentrova.exe
;            -DICON=zentrova.ico -DOUTFILE=zentrova-1.2.3-setup.exe zentrova.nsi
;
; Silent use: `setup.exe /S` installs with the sign-in entry on and does not
; start the program; `uninstall.exe /S` removes the program and keeps the
; settings.

Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!ifndef VERSION | VERSION_QUAD | PROGRAM | ICON | OUTFILE
  !error "VERSION, VERSION_QUAD, PROGRAM, ICON and OUTFILE must be defined"
!endif

!define PRODUCT "Zentrova"
!define PUBLISHER "Zentrova"
!define EXE "zentrova.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentrova"
; The tray menu's "Start with Windows" reads and writes this same value.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Zentrova"
!define SETTINGS_KEY "Software\Zentrova"
; The clock window is the program's main window: closing it ends the program.
!define CLOCK_CLASS "ZentrovaDisplayWindow"
!define CLOCK_CAPTION "Tessarvelune"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES

; The finish page's two check boxes, both checked: the first sets the
; sign-in entry, the second starts the program.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(FinishRunText)"
!define MUI_FINISHPAGE_RUN_FUNCTION WriteSignInEntry
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(FinishShowReadmeText)"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION RunProgramNow
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FinishPageLeave

!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The installer speaks the user's Windows language when it has it, else
; English; the first language listed is the fallback.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "SimpChinese"

; The installer's own texts, beside the pages' texts that come with NSIS.
LangString FinishRunText ${LANG_ENGLISH} "Start ${PRODUCT} when I sign in"
LangString FinishShowReadmeText ${LANG_ENGLISH} "Run ${PRODUCT} now"
LangString ClosingRunningText ${LANG_ENGLISH} "Closing the running ${PRODUCT}"
LangString RemoveSettingsQuestion ${LANG_ENGLISH} "Also remove your ${PRODUCT} settings and countdown list?$\r$\n$\r$\nChoose No to keep them for a later install."
!include "${__FILEDIR__}/languages/German.nsh"
!include "${__FILEDIR__}/languages/French.nsh"
!include "${__FILEDIR__}/languages/Spanish.nsh"
!include "${__FILEDIR__}/languages/Italian.nsh"
!include "${__FILEDIR__}/languages/PortugueseBR.nsh"
!include "${__FILEDIR__}/languages/Polish.nsh"
!include "${__FILEDIR__}/languages/Russian.nsh"
!include "${__FILEDIR__}/languages/Japanese.nsh"
!include "${__FILEDIR__}/languages/SimpChinese.nsh"

; Ends a running copy the way its own "Close" does, and waits until the
; program file is free to be replaced or removed (at most about 10 s each).
!macro END_RUNNING_COPY PREFIX
Function ${PREFIX}EndRunningCopy
  Push $0
  Push $1
  Push $2
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${CLOCK_CLASS}" "${CLOCK_CAPTION}"
    ${If} $0 = 0
    ${OrIf} $1 >= 100
      ${Break}
    ${EndIf}
    ${If} $1 = 0
      DetailPrint "$(ClosingRunningText)"
      SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  ; The window goes before the process has let go of its file.
  StrCpy $1 0
  ${Do}
    ${IfNot} ${FileExists} "$INSTDIR\${EXE}"
    ${OrIf} $1 >= 100
      ${Break}
    ${EndIf}
    ClearErrors
    FileOpen $2 "$INSTDIR\${EXE}" a
    ${IfNot} ${Errors}
      FileClose $2
      ${Break}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro END_RUNNING_COPY ""
!insertmacro END_RUNNING_COPY "un."

Function WriteSignInEntry
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${EXE}"'
FunctionEnd

Function RunProgramNow
  Exec '"$INSTDIR\${EXE}"'
FunctionEnd

; Runs before the finish page acts on its check boxes: an unchecked sign-in
; box removes an entry that an earlier install left.
Function FinishPageLeave
  SendMessage $mui.FinishPage.Run ${BM_GETCHECK} 0 0 $0
  ${If} $0 <> ${BST_CHECKED}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
FunctionEnd

Section "Install"
  SetShellVarContext current
  Call EndRunningCopy

  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "/oname=${EXE}" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Without the finish page the sign-in entry is on, as its box is by default.
  ${If} ${Silent}
    Call WriteSignInEntry
  ${EndIf}
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Call un.EndRunningCopy

  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: the folder may hold files of the user's own.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "$(RemoveSettingsQuestion)" \
      /SD IDNO IDNO keep_settings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  keep_settings:
SectionEnd
