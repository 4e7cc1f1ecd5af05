; orbivane.nsi -- the Windows installer: 64-bit, per user, no administrator rights.
; makensis -DVERSION=x.y.z -DSCR=... -DDATA=... -DICON=... -DOUTFILE=... orbivane.nsi
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define SETTINGS_KEY "Software\Kelvora\Orbivane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbivane"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_BROADCAST 3

Name "Orbivane"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Orbivane"
BrandingText "Orbivane ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Orbivane"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "Kelvora"
VIAddVersionKey "FileDescription" "Orbivane screensaver setup"
VIAddVersionKey "LegalCopyright" "Kelvora"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The program, its data and the settings value that points the program at
; them. The user's other settings are never touched, so an upgrade keeps them.
Section "Orbivane" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=Orbivane.scr" "${SCR}"
  File "/oname=data.sdd" "${DATA}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKCU "${SETTINGS_KEY}" "Path" "$INSTDIR"

  CreateDirectory "$SMPROGRAMS\Orbivane"
  CreateShortCut "$SMPROGRAMS\Orbivane\Orbivane settings.lnk" "$INSTDIR\Orbivane.scr" "/c"
  CreateShortCut "$SMPROGRAMS\Orbivane\Choose Orbivane as screen saver.lnk" \
    "$SYSDIR\rundll32.exe" 'desk.cpl,InstallScreenSaver "$INSTDIR\Orbivane.scr"' \
    "$INSTDIR\Orbivane.scr"
  CreateShortCut "$SMPROGRAMS\Orbivane\Uninstall Orbivane.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Orbivane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kelvora"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Orbivane.scr"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The system's screensaver becomes this one, and the system is told.
; The lock and the timeout are the user's and stay as they are.
Section "Use Orbivane as my screen saver" SectionChoose
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$INSTDIR\Orbivane.scr"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_BROADCAST})"
SectionEnd

; Removes what the installer made. The settings stay for a later install
; unless /PURGE is given; the system's screensaver is cleared only while
; it is still this one.
Section "Uninstall"
  Delete "$INSTDIR\Orbivane.scr"
  Delete "$INSTDIR\data.sdd"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir /r "$SMPROGRAMS\Orbivane"

  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == "$INSTDIR\Orbivane.scr"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}

  DeleteRegValue HKCU "${SETTINGS_KEY}" "Path"
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/PURGE" $2
  ${IfNot} ${Errors}
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  ${Else}
    DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
  ${EndIf}
  DeleteRegKey /ifempty HKCU "Software\Kelvora"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
