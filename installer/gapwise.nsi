; The Gapwise installers for Windows, built with NSIS (makensis) by installer/CMakeLists.txt:
;   makensis -DOUTFILE=gapwise-setup.exe -DVERSION=1.0 -DVERSION4=1.0.0.0
;            -DDEAL_EXE=gapwise-deal.exe -DHELP_FILE=gapwise.chm [-DGAME_EXE=gapwise.exe]
;            [-DX64] gapwise.nsi
; It installs the program, the dealer and the help file into Program Files\Ardentree\Gapwise,
; writes the installation folder as AppPath under the machine-wide key
; HKLM\Software\Ardentree\Gapwise, where the game reads it to find its help file, adds a
; Start-menu shortcut and an uninstaller with its entry in Add/Remove Programs. "/S" installs and
; uninstalls silently; "/D=FOLDER" (last on the command line) picks another folder. The uninstaller
; removes the files, the shortcut and the machine-wide keys; the user's settings under
; HKCU\Software\Ardentree\Gapwise stay.
; Without X64 it is the installer of the 32-bit programs: on 64-bit Windows they go into the 32-bit
; Program Files and the registry's 32-bit view, where a 32-bit program reads AppPath. With X64 it
; is the installer of the 64-bit programs, itself a 64-bit program: the 64-bit Program Files and
; the registry's 64-bit view. Each first removes an installation of the other width, through that
; one's own uninstaller, so that one installation is left.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Gapwise"
!define MAKER "Ardentree"
!define APP_KEY "Software\Ardentree\Gapwise"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Gapwise"

!include LogicLib.nsh
!include x64.nsh
!ifdef X64
Target amd64-unicode
!define PROGRAM_FILES "$PROGRAMFILES64"
!define VIEW 64
!define OTHER_VIEW 32
!else
!define PROGRAM_FILES "$PROGRAMFILES"
!define VIEW 32
!define OTHER_VIEW 64
!endif

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${MAKER}\${PRODUCT}"
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

Function .onInit
  SetRegView ${VIEW}
FunctionEnd

Function un.onInit
  SetRegView ${VIEW}
FunctionEnd

; An installation of the other width, found by its AppPath in the other view of the registry, is
; removed by its own uninstaller, which waits (_?=) and leaves the user's settings.
Function RemoveOtherWidth
!ifndef X64
  ${IfNot} ${RunningX64}
    Return
  ${EndIf}
!endif
  SetRegView ${OTHER_VIEW}
  ReadRegStr $R0 HKLM "${APP_KEY}" "AppPath"
  SetRegView ${VIEW}
  ${If} $R0 != ""
  ${AndIf} ${FileExists} "$R0\uninstall.exe"
    DetailPrint "Removing the ${OTHER_VIEW}-bit installation in $R0"
    ExecWait '"$R0\uninstall.exe" /S _?=$R0'
    Delete "$R0\uninstall.exe"
    RMDir "$R0"
  ${EndIf}
FunctionEnd

Section "${PRODUCT}" SectionMain
  SectionIn RO
  SetShellVarContext all
  Call RemoveOtherWidth
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
  RMDir "${PROGRAM_FILES}\${MAKER}"
  DeleteRegKey HKLM "${APP_KEY}"
  DeleteRegKey /ifempty HKLM "Software\${MAKER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
