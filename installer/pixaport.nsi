; The Windows installer of Qor Pixaport: a per-user installation (no administrator
; rights) in the user's own programs folder, because the program keeps its settings,
; its work table and its error log beside its executable and must be able to write
; there. Start-menu entry, optional desktop shortcut, uninstaller listed in the
; user's "Apps". Silent with /S; a silent uninstall keeps the user's settings.
;
; makensis -INPUTCHARSET UTF8 -DVERSION=1.05 -DPROGRAM=<program folder> -DICON=<icon>
;          -DOUTFILE=<setup exe> pixaport.nsi

; A 64-bit installer for the 64-bit program (it runs wherever the program can run).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Qor Pixaport"
!define PUBLISHER "Qor Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QorPixaport"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1031 "FileDescription" "${PRODUCT} - Installation"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\pixaport.exe"
!define MUI_FINISHPAGE_RUN_TEXT "${PRODUCT} jetzt starten"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LIESMICH.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "LIESMICH anzeigen"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

; The files of the program folder, installed and removed as one list.
!macro ProgramFiles Action
  !insertmacro ${Action} "pixaport.exe"
  !insertmacro ${Action} "Select.wav"
  !insertmacro ${Action} "DeSelect.wav"
  !insertmacro ${Action} "PIXAPORT.HLP"
  !insertmacro ${Action} "PIXAPORT.CNT"
  !insertmacro ${Action} "PIXAPORT.CHM"
  !insertmacro ${Action} "LIESMICH.txt"
!macroend
!macro InstallFile Name
  File "${PROGRAM}\${Name}"
!macroend
!macro RemoveFile Name
  Delete "$INSTDIR\${Name}"
!macroend

Section "${PRODUCT} (Programm und Hilfe)" SecProgram
  SectionIn RO
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !insertmacro ProgramFiles InstallFile
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\pixaport.exe" "" "$INSTDIR\pixaport.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pixaport.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Verknüpfung auf dem Desktop" SecDesktop
  SetShellVarContext current
  CreateShortCut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\pixaport.exe" "" "$INSTDIR\pixaport.exe" 0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !insertmacro ProgramFiles RemoveFile
  ; The program's work table, and the help viewer's index of the help file.
  Delete "$INSTDIR\TEMP.DBF"
  Delete "$INSTDIR\PIXAPORT.GID"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The user's settings and error log go only when the user says so.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Sollen auch Ihre Einstellungen (PIXAPORT.INI) und das Fehlerprotokoll (Error.log) gelöscht werden?" \
    /SD IDNO IDNO keep
  Delete "$INSTDIR\PIXAPORT.INI"
  Delete "$INSTDIR\Error.log"
  keep:
  ; Removes the folder only when nothing of the user's is left in it.
  RMDir "$INSTDIR"
SectionEnd
