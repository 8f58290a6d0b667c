; Vak's installer for Windows: for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Vak, with Start-menu and desktop shortcuts, the .t09 file type in the
; user's own classes, and an entry in the list of installed programs. /S installs silently.
; A running Vak.exe is not replaced: the installer says so and stops, leaving it whole.
;
; scripts/build-windows compiles it with makensis -INPUTCHARSET UTF8 and these defines:
;   VAK_PACKAGE   the folder of the program's files (build-win/package/Vak)
;   VAK_FILES     the generated list of those files (macros VakInstallFiles, VakRemoveFiles)
;   VAK_BUILD     CMake's packaging/windows folder (Installer.nsh: version, icon)
;   VAK_OUTFILE   the installer to write
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "${VAK_BUILD}/Installer.nsh"
!include "${VAK_FILES}"
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vak"
!define CLASSES "Software\Classes"
!define GROUP_PROGID "Vak.Skupina"
!define REPORT_PROGID "Vak.Zprava"
!define SHCNE_ASSOCCHANGED 0x08000000

Name "Vak"
OutFile "${VAK_OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vak"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

!pragma warning disable 9100  ; the version information has no copyright line
VIProductVersion "${VAK_FILE_VERSION}"
VIAddVersionKey /LANG=1029 "ProductName" "Vak"
VIAddVersionKey /LANG=1029 "ProductVersion" "${VAK_VERSION}"
VIAddVersionKey /LANG=1029 "FileVersion" "${VAK_VERSION}"
VIAddVersionKey /LANG=1029 "FileDescription" "Instalace programu Vak"

!define MUI_ICON "${VAK_ICON}"
!define MUI_UNICON "${VAK_ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Vak je program dozorce skupiny pro měsíční zprávy z kazatelské služby: otevře soubor skupiny (.t09) od tajemníka, zapíšete do něj zprávy zvěstovatelů a pošlete tajemníkovi soubor zprávy (.t19).$\r$\n$\r$\nInstaluje se jen pro vás, bez práv správce. Soubor .t09 pak otevřete dvojitým kliknutím.$\r$\n$\r$\n$_CLICK"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vak.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Spustit Vak"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

; Stops, with exit code 2, while Vak.exe in the installation folder runs: Windows keeps a running
; program's file open, so it can be opened for writing only when no Vak runs from it.
!macro DEFINE_REFUSE_WHILE_RUNNING un
Function ${un}RefuseWhileRunning
  ${IfNot} ${FileExists} "$INSTDIR\Vak.exe"
    Return
  ${EndIf}
  retry:
  ClearErrors
  FileOpen $0 "$INSTDIR\Vak.exe" a
  ${If} ${Errors}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Vak je spuštěný ($INSTDIR\Vak.exe).$\r$\nUkončete ho a zvolte Opakovat, nebo zvolte Storno." /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort "Vak je spuštěný: nic nebylo změněno."
  ${EndIf}
  FileClose $0
FunctionEnd
!macroend
!insertmacro DEFINE_REFUSE_WHILE_RUNNING ""
!insertmacro DEFINE_REFUSE_WHILE_RUNNING "un."

; Makes `progid` the default of `extension` where no program has claimed the extension yet
; (neither in the classes nor by the user's own choice in Explorer).
!macro CLAIM_IF_UNCLAIMED extension progid
  ; The user's classes first: Wine's HKCR shows only the machine's.
  ReadRegStr $0 HKCU "${CLASSES}\${extension}" ""
  ${If} $0 == ""
    ReadRegStr $0 HKCR "${extension}" ""
  ${EndIf}
  ReadRegStr $1 HKCU "Software\Microsoft\Windows\CurrentVersion\Explorer\FileExts\${extension}\UserChoice" "ProgId"
  ${If} $0 == ""
  ${AndIf} $1 == ""
    WriteRegStr HKCU "${CLASSES}\${extension}" "" "${progid}"
  ${EndIf}
!macroend

; Takes back what CLAIM_IF_UNCLAIMED wrote, while the extension still names `progid`.
!macro RELEASE_CLAIM extension progid
  ReadRegStr $0 HKCU "${CLASSES}\${extension}" ""
  ${If} $0 == "${progid}"
    DeleteRegValue HKCU "${CLASSES}\${extension}" ""
  ${EndIf}
!macroend

Section
  Call RefuseWhileRunning
  !insertmacro VakInstallFiles
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  SetOutPath "$INSTDIR"  ; the shortcuts' working folder
  CreateShortcut "$SMPROGRAMS\Vak.lnk" "$INSTDIR\Vak.exe" "" "$INSTDIR\Vak.exe" 0
  CreateShortcut "$DESKTOP\Vak.lnk" "$INSTDIR\Vak.exe" "" "$INSTDIR\Vak.exe" 0

  ; Group files open in Vak; report files go to the secretary, so they get a name and icon only.
  WriteRegStr HKCU "${CLASSES}\${GROUP_PROGID}" "" "Soubor skupiny pro dozorce"
  WriteRegStr HKCU "${CLASSES}\${GROUP_PROGID}\DefaultIcon" "" "$INSTDIR\Vak.exe,0"
  WriteRegStr HKCU "${CLASSES}\${GROUP_PROGID}\shell\open\command" "" '"$INSTDIR\Vak.exe" "%1"'
  WriteRegStr HKCU "${CLASSES}\.t09\OpenWithProgids" "${GROUP_PROGID}" ""
  !insertmacro CLAIM_IF_UNCLAIMED ".t09" "${GROUP_PROGID}"
  WriteRegStr HKCU "${CLASSES}\${REPORT_PROGID}" "" "Zpráva skupiny pro tajemníka"
  WriteRegStr HKCU "${CLASSES}\${REPORT_PROGID}\DefaultIcon" "" "$INSTDIR\Vak.exe,0"
  !insertmacro CLAIM_IF_UNCLAIMED ".t19" "${REPORT_PROGID}"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vak"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VAK_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vak.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer wrote and nothing else: group and report files, Vak.ini and the
; kept copies in %LOCALAPPDATA%\Vak stay (the folder stays while Vak.ini is in it).
Section "Uninstall"
  Call un.RefuseWhileRunning
  Delete "$SMPROGRAMS\Vak.lnk"
  Delete "$DESKTOP\Vak.lnk"

  !insertmacro RELEASE_CLAIM ".t09" "${GROUP_PROGID}"
  DeleteRegValue HKCU "${CLASSES}\.t09\OpenWithProgids" "${GROUP_PROGID}"
  DeleteRegKey /ifempty /ifnovalues HKCU "${CLASSES}\.t09\OpenWithProgids"
  DeleteRegKey /ifempty /ifnovalues HKCU "${CLASSES}\.t09"
  DeleteRegKey HKCU "${CLASSES}\${GROUP_PROGID}"
  !insertmacro RELEASE_CLAIM ".t19" "${REPORT_PROGID}"
  DeleteRegKey /ifempty /ifnovalues HKCU "${CLASSES}\.t19"
  DeleteRegKey HKCU "${CLASSES}\${REPORT_PROGID}"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

  !insertmacro VakRemoveFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
