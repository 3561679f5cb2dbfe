; The Gapwise installer for Windows, built with NSIS (makensis) by installer/CMakeLists.txt:
;   makensis -DOUTFILE=gapwise-setup.exe -DVERSION=1.0 -DVERSION4=1.0.0.0
;            -DDEAL_EXE=gapwise-deal.exe -DHELP_FILE=gapwise.chm [-DGAME_EXE=gapwise.exe] gapwise.nsi
; It installs the program, the dealer and the help file into Program Files\Ardentree\Gapwise (the
; 32-bit Program Files on 64-bit Windows), writes the installation folder as AppPath under the
; machine-wide key HKLM\Software\Ardentree\Gapwise, where the game reads it to find its help file,
; adds a Start-menu shortcut and an uninstaller with its entry in Add/Remove Programs. "/S" installs
; and uninstalls silently; "/D=FOLDER" (last on the command line) picks another folder. The
; uninstaller removes the files, the shortcut and the machine-wide keys; the user's settings under
; HKCU\Software\Ardentree\Gapwise stay.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Gapwise"
!define MAKER "Ardentree"
!define APP_KEY "Software\Ardentree\Gapwise"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Gapwise"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${MAKER}\${PRODUCT}"
; An installation over an earlier one goes where that one is.
InstallDirRegKey HKLM "${APP_KEY}" "AppPath"

VIProductVersion "${VERSION4}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${MAKER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${MAKER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "${PRODUCT}" SectionMain
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
!ifdef GAME_EXE
  File "/oname=gapwise.exe" "${GAME_EXE}"
!endif
  File "/oname=gapwise-deal.exe" "${DEAL_EXE}"
  File "/oname=gapwise.chm" "${HELP_FILE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${APP_KEY}" "AppPath" "$INSTDIR"

!ifdef GAME_EXE
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\gapwise.exe" "" "$INSTDIR\gapwise.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\gapwise.exe"
!endif
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SectionMain} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\gapwise.exe"
  Delete "$INSTDIR\gapwise-deal.exe"
  Delete "$INSTDIR\gapwise.chm"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The maker's folder and key only when nothing else is left in them.
  RMDir "$PROGRAMFILES\${MAKER}"
  DeleteRegKey HKLM "${APP_KEY}"
  DeleteRegKey /ifempty HKLM "Software\${MAKER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
