; orbivane.nsi -- the Windows installer: 64-bit, for all users or just for the current one.
; makensis -DVERSION=x.y.z -DFILE_VERSION=x.y.z.w -DCOPYRIGHT=... -DSCR=... -DDATA=...
;          -DICON=... -DOUTFILE=... [-DSIGN=command] orbivane.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define SETTINGS_KEY "Software\Kelvora\Orbivane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbivane"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_BROADCAST 3

; Two install modes. For all users (administrators; the default when setup
; runs elevated): the saver goes into the system folder, where the Screen
; Saver Settings list it, the rest into Program Files. Just for me: all of
; it into the user's own programs folder. /AllUsers and /CurrentUser choose
; on the command line; an upgrade keeps the mode and the folder.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Orbivane"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_FUNCTION keepCommandLineFolder
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

Name "Orbivane"
OutFile "${OUTFILE}"
BrandingText "Orbivane ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "Orbivane"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "Kelvora"
VIAddVersionKey "FileDescription" "Orbivane screen saver setup"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"

; The signer, run on the installer and on the uninstaller it carries.
!ifdef SIGN
  !finalize '"${SIGN}" "%1"' = 0
  !uninstfinalize '"${SIGN}" "%1"' = 0
!endif

Var CommandLineFolder  ; the folder /D= gave, which either mode keeps
Var SaverFile          ; where this mode puts Orbivane.scr

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup will install Orbivane and its scene in the following \
  folder. Installed for all users, the screen saver itself goes into the Windows system folder, \
  where the Screen Saver Settings list it."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_NOTCHECKED
!define MUI_FINISHPAGE_RUN_TEXT "Show Orbivane now"
!define MUI_FINISHPAGE_RUN_FUNCTION showSaver
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open Orbivane settings"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION openSettings
!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  StrCpy $CommandLineFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Called whenever a mode is chosen, which sets the mode's own folder.
Function keepCommandLineFolder
  ${If} $CommandLineFolder != ""
    StrCpy $INSTDIR $CommandLineFolder
  ${EndIf}
FunctionEnd

!macro FIND_SAVER_FILE
  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $SaverFile "$SYSDIR\Orbivane.scr"
  ${Else}
    StrCpy $SaverFile "$INSTDIR\Orbivane.scr"
  ${EndIf}
!macroend

Function showSaver
  Exec '"$SaverFile" /s'
FunctionEnd

Function openSettings
  Exec '"$SaverFile" /c'
FunctionEnd

; The program, its data and the Path value that points the program at the
; data (the user's, or the machine's for all users). The user's other
; settings are never touched, so an upgrade keeps them.
Section "Orbivane" SectionProgram
  SectionIn RO
  !insertmacro FIND_SAVER_FILE
  ${GetParent} "$SaverFile" $0
  SetOutPath "$0"
  File "/oname=Orbivane.scr" "${SCR}"
  SetOutPath "$INSTDIR"
  File "/oname=data.sdd" "${DATA}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr SHCTX "${SETTINGS_KEY}" "Path" "$INSTDIR"

  CreateDirectory "$SMPROGRAMS\Orbivane"
  CreateShortCut "$SMPROGRAMS\Orbivane\Orbivane settings.lnk" "$SaverFile" "/c"
  CreateShortCut "$SMPROGRAMS\Orbivane\Choose Orbivane as screen saver.lnk" \
    "$SYSDIR\rundll32.exe" 'desk.cpl,InstallScreenSaver "$SaverFile"' "$SaverFile"
  CreateShortCut "$SMPROGRAMS\Orbivane\Uninstall Orbivane.lnk" "$INSTDIR\Uninstall.exe" \
    "/$MultiUser.InstallMode"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Orbivane"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Kelvora"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$SaverFile"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
    '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${If} $MultiUser.InstallMode == "AllUsers"
    ${GetSize} "$SYSDIR" "/M=Orbivane.scr /S=0K /G=0" $1 $2 $3
    IntOp $0 $0 + $1
  ${EndIf}
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The installing user's screensaver becomes this one, and the system is told.
; The lock and the timeout are the user's and stay as they are.
Section "Use Orbivane as my screen saver" SectionChoose
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$SaverFile"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_BROADCAST})"
SectionEnd

; Removes what the installer of this mode made. The user's settings stay
; for a later install unless /PURGE is given; the user's screensaver is
; cleared only while it is still this one.
Section "Uninstall"
  !insertmacro FIND_SAVER_FILE
  Delete "$SaverFile"
  Delete "$INSTDIR\data.sdd"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir /r "$SMPROGRAMS\Orbivane"

  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == $SaverFile
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}

  DeleteRegValue SHCTX "${SETTINGS_KEY}" "Path"
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/PURGE" $2
  ${IfNot} ${Errors}
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  ${EndIf}
  DeleteRegKey /ifempty SHCTX "${SETTINGS_KEY}"
  DeleteRegKey /ifempty SHCTX "Software\Kelvora"
  DeleteRegKey /ifempty HKCU "Software\Kelvora"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
