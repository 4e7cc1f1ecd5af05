#!/usr/bin/env bash
# The Windows packages as a user meets them, under Wine on $DISPLAY: the
# installer run silently into a fresh 64-bit prefix in either mode, the
# installed saver, the uninstaller, the portable zip unpacked with no
# settings at all, and packages signed with a throwaway certificate.
#   install_e2e.sh SCENARIO SETUP_EXE PORTABLE_ZIP VERSION [PACKAGE_INPUTS...]
# PACKAGE_INPUTS are what packaging/make-windows-packages takes before its
# outputs; the signed scenario makes its own packages from them.
set -uo pipefail

scenario=$1
setup=$(realpath "$2")
zip=$(realpath "$3")
version=$4
package_inputs=("${@:5}")
copyright=${package_inputs[6]:-}

if [ -z "${DISPLAY:-}" ]; then
  echo "install_e2e: no DISPLAY; run the tests through scripts/test (it starts Xvfb)" >&2
  exit 1
fi
# A prefix of the scenario's own, made fresh and 64-bit (Wine here has no 32-bit
# half, so a 32-bit installer could not even start).
export WINEPREFIX=${WINEPREFIX:-$(dirname "$setup")/wineprefix}-install-$scenario
export WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

work=$(mktemp -d)
saver_pid=
cleanup() {
  [ -n "$saver_pid" ] && kill "$saver_pid" 2>/dev/null
  wineserver -k >/dev/null 2>&1
  rm -rf "$work" "$WINEPREFIX"
}
trap cleanup EXIT
source "$(dirname "$0")/e2e_lib.sh"

# Wine on a loaded machine now and then leaves a new prefix unusable: try twice.
make_prefix() {
  wineserver -k >/dev/null 2>&1
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  wine reg query 'HKCU\Software' >/dev/null 2>&1
}
if ! make_prefix && ! make_prefix; then
  echo "install_e2e: Wine could not make a fresh prefix in $WINEPREFIX" >&2
  exit 1
fi

settings='HKCU\Software\Kelvora\Orbivane'
machine_settings='HKLM\Software\Kelvora\Orbivane'
desktop='HKCU\Control Panel\Desktop'
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbivane'
machine_uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbivane'
value() {  # value KEY NAME: the data of one value, empty when absent
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v n="$2" '$1 == n { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }'
}
key_absent() { ! wine reg query "$1" >/dev/null 2>&1; }
ends_with() { [[ "$1" == *"$2" ]]; }
same_text() { [ "${1,,}" = "${2,,}" ]; }  # without regard to case, as Windows compares paths
unix_path() { winepath -u "$1" 2>/dev/null; }
windows_variable() { wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r'; }

# The saver in FOLDER started as the system starts it, from another folder;
# it must show the scene and end on a key.
saver_shows_scene() {
  (cd / && wine "$1\\Orbivane.scr" /s >/dev/null 2>&1) &
  saver_pid=$!
  check "the saver window appears" window_appears Orbivane 40
  sleep 4
  local brightness
  brightness=$(brightest_centre 5)
  echo "centre brightness: $brightness"
  check "it shows the scene (not black)" above "${brightness:-0}" 0.02
  xdotool key space
  check "a key ends it" ends_within 10
}

# Runs the quiet uninstall command that the uninstall entry KEY registers, as
# Settings, Apps would; ARGS go after it. The uninstaller copies itself away
# and returns at once.
uninstall_registered() {  # uninstall_registered KEY [ARGS...]
  local command program
  command=$(value "$1" QuietUninstallString)
  program=${command#\"}
  program=${program%%\"*}
  # shellcheck disable=SC2086 # the registered switches, one word each
  wine "$program" ${command#\"$program\"} "${@:2}" >/dev/null 2>&1
  wineserver -w
}

# An Authenticode signature that the certificate CERT_PEM verifies.
signed_with() {  # signed_with FILE CERT_PEM
  osslsigncode verify -CAfile "$2" -in "$1" >/dev/null 2>&1
}

# What the shipped saver says of itself: its manifest (the system reads it
# when the program starts) and its version block (Explorer's Properties,
# Details), both read with 7-Zip's reader of Windows programs; and that it
# carries no debug information.
manifest() {  # manifest XPATH: evaluated on $work/manifest.xml
  xmllint --xpath "$1" "$work/manifest.xml" 2>/dev/null
}
shipped_identity() {  # shipped_identity SCR
  local any="//*[local-name()" controls
  7z x -so "$1" .rsrc/MANIFEST/1 >"$work/manifest.xml" 2>/dev/null
  check "the saver carries a well-formed manifest" xmllint --noout "$work/manifest.xml"
  check "per-monitor (v2) DPI aware" \
    [ "$(manifest "normalize-space($any='dpiAwareness'])")" = 'PerMonitorV2, PerMonitor' ]
  check "and per-monitor aware for older systems" [ "$(manifest "string($any='dpiAware'])")" = true/pm ]
  controls="@name='Microsoft.Windows.Common-Controls' and @version='6.0.0.0'"
  controls+=" and @publicKeyToken='6595b64144ccf1df'"
  check "with the system's visual styles (Common Controls 6)" \
    [ "$(manifest "count($any='dependentAssembly']/*[$controls])")" = 1 ]
  check "started without elevation" \
    [ "$(manifest "string($any='requestedExecutionLevel']/@level)")" = asInvoker ]
  check "for Windows 7 to 11" [ "$(manifest "count($any='supportedOS'])")" = 4 ]
  check "of this version" \
    [ "$(manifest "string(/*/*[local-name()='assemblyIdentity']/@version)")" = "$version.0" ]

  7z x -so "$1" .rsrc/version.txt 2>/dev/null | iconv -f UTF-16LE -t UTF-8 | tr -d '\r' |
    tr -s ' ' >"$work/version.txt"
  local entry
  for entry in 'FileDescription", "Orbivane screen saver' 'ProductName", "Orbivane' \
    'CompanyName", "Kelvora' "FileVersion\", \"$version" "ProductVersion\", \"$version" \
    'OriginalFilename", "Orbivane.scr' "LegalCopyright\", \"$copyright"; do
    check "its version block says \"$entry\"" grep -qF "VALUE \"$entry\"" "$work/version.txt"
  done
  check "its file version is $version" grep -qx "FILEVERSION ${version//./,},0" "$work/version.txt"
  check "no debug information is shipped" \
    bash -c "! x86_64-w64-mingw32-objdump -h '$1' | grep -q '[.]debug'"
}

case $scenario in
  installer)
    check "the installer is a 64-bit program" bash -c "file '$setup' | grep -q 'PE32+'"
    wine reg add "$settings" /v Speed /t REG_DWORD /d 77 /f >/dev/null 2>&1
    wine "$setup" /S /CurrentUser >/dev/null 2>&1
    check "setup.exe /S /CurrentUser exits 0" [ $? -eq 0 ]
    appdata=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
    folder="$appdata\\Programs\\Orbivane"
    for file in Orbivane.scr data.sdd Uninstall.exe; do
      check "$file is in the user's programs folder" [ -s "$(unix_path "$folder\\$file")" ]
    done
    check "Path names the folder" [ "$(value "$settings" Path)" = "$folder" ]
    check "SCRNSAVE.EXE names the installed saver" \
      [ "$(value "$desktop" SCRNSAVE.EXE)" = "$folder\\Orbivane.scr" ]
    check "the screensaver is active" [ "$(value "$desktop" ScreenSaveActive)" = 1 ]
    check "the user's Speed survives" [ "$(value "$settings" Speed)" = 0x4d ]
    check "the uninstaller is registered with the version" \
      [ "$(value "$uninstall" DisplayVersion)" = "$version" ]
    check "with a quiet uninstall command" \
      ends_with "$(value "$uninstall" QuietUninstallString)" 'Uninstall.exe" /CurrentUser /S'
    check "nothing is installed for all users" key_absent "$machine_uninstall"
    menu=$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Orbivane")
    check "the Start menu has the settings, choose and uninstall entries" \
      [ "$(ls "$menu" 2>/dev/null | wc -l)" -eq 3 ]
    saver_shows_scene "$folder"
    # Setup as an administrator runs it again, without a switch: the
    # upgrade stays where the first installation went.
    wine "$setup" /S >/dev/null 2>&1
    check "an upgrade stays in the user's programs folder" \
      [ "$(value "$uninstall" InstallLocation)" = "$folder" ]
    check "and installs nothing for all users" key_absent "$machine_uninstall"
    uninstall_registered "$uninstall"
    check "the uninstaller removes the files" [ ! -e "$(unix_path "$folder")" ]
    check "and the Start menu folder" [ ! -e "$menu" ]
    check "and Path" [ -z "$(value "$settings" Path)" ]
    check "and its own key" key_absent "$uninstall"
    check "and SCRNSAVE.EXE, which named it" [ -z "$(value "$desktop" SCRNSAVE.EXE)" ]
    check "but keeps the user's Speed" [ "$(value "$settings" Speed)" = 0x4d ]
    ;;
  signed-installer-folder)
    # Packages made as scripts/package makes them with a certificate in the
    # environment; here a throwaway self-signed one.
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Orbivane test signer" \
      -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/signer.pem" \
      >/dev/null 2>&1
    openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/signer.pem" \
      -out "$work/signer.p12" -passout pass:throwaway
    mkdir -p "$work/signed" "$work/unpacked"
    setup="$work/signed/orbivane-$version-setup.exe"
    ORBIVANE_SIGN_PKCS12="$work/signer.p12" ORBIVANE_SIGN_PASSWORD=throwaway \
      "$(dirname "$0")/../../packaging/make-windows-packages" "${package_inputs[@]}" \
      "$setup" "$work/signed/orbivane-$version-windows.zip" >/dev/null
    check "signed packages are made" [ -s "$setup" ]
    check "the installer is signed" signed_with "$setup" "$work/signer.pem"
    bsdtar -xf "$work/signed/orbivane-$version-windows.zip" -C "$work/unpacked"
    check "the zip's saver is signed" signed_with "$work/unpacked/Orbivane.scr" "$work/signer.pem"

    wine "$setup" /S /CurrentUser '/D=C:\Games\Orbivane' >/dev/null 2>&1
    check "/D= installs into the folder given" [ -s "$(unix_path 'C:\Games\Orbivane\Orbivane.scr')" ]
    check "the installed saver is signed" \
      signed_with "$(unix_path 'C:\Games\Orbivane\Orbivane.scr')" "$work/signer.pem"
    check "the uninstaller it wrote is signed" \
      signed_with "$(unix_path 'C:\Games\Orbivane\Uninstall.exe')" "$work/signer.pem"
    check "Path names that folder" [ "$(value "$settings" Path)" = 'C:\Games\Orbivane' ]
    saver_shows_scene 'C:\Games\Orbivane'
    wine reg add "$desktop" /v SCRNSAVE.EXE /t REG_SZ /d 'C:\windows\system32\other.scr' /f >/dev/null 2>&1
    wine reg add "$settings" /v Speed /t REG_DWORD /d 12 /f >/dev/null 2>&1
    uninstall_registered "$uninstall" /PURGE
    check "the signed uninstaller removes the folder" [ ! -e "$(unix_path 'C:\Games\Orbivane')" ]
    check "another saver chosen since stays chosen" \
      [ "$(value "$desktop" SCRNSAVE.EXE)" = 'C:\windows\system32\other.scr' ]
    check "/PURGE removes the settings too" key_absent "$settings"
    ;;
  all-users)
    wine reg add "$settings" /v Speed /t REG_DWORD /d 77 /f >/dev/null 2>&1
    wine "$setup" /S /AllUsers >/dev/null 2>&1
    check "setup.exe /S /AllUsers exits 0" [ $? -eq 0 ]
    system=$(windows_variable SystemRoot)\\system32
    folder=$(windows_variable ProgramW6432)\\Orbivane
    check "Orbivane.scr is in the system folder" [ -s "$WINEPREFIX/drive_c/windows/system32/Orbivane.scr" ]
    for file in data.sdd Uninstall.exe; do
      check "$file is in Program Files" [ -s "$(unix_path "$folder\\$file")" ]
    done
    check "the machine-wide Path names that folder" [ "$(value "$machine_settings" Path)" = "$folder" ]
    check "the user gets no Path" [ -z "$(value "$settings" Path)" ]
    check "SCRNSAVE.EXE names the system copy" \
      same_text "$(value "$desktop" SCRNSAVE.EXE)" 'C:\windows\system32\Orbivane.scr'
    check "the uninstaller is registered for all users" \
      [ "$(value "$machine_uninstall" DisplayVersion)" = "$version" ]
    check "and not for the user alone" key_absent "$uninstall"
    check "the user's Speed survives" [ "$(value "$settings" Speed)" = 0x4d ]
    menu=$(unix_path "$(windows_variable ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs\\Orbivane")
    check "the Start menu of all users has the three entries" [ "$(ls "$menu" 2>/dev/null | wc -l)" -eq 3 ]
    echo "with no Path of the user's own:"
    saver_shows_scene "$system"
    uninstall_registered "$machine_uninstall"
    check "the uninstaller removes the system copy" [ ! -e "$WINEPREFIX/drive_c/windows/system32/Orbivane.scr" ]
    check "and the Program Files folder" [ ! -e "$(unix_path "$folder")" ]
    check "and the machine-wide key" key_absent "$machine_settings"
    check "and the uninstall entry" key_absent "$machine_uninstall"
    check "and the Start menu folder" [ ! -e "$menu" ]
    check "and SCRNSAVE.EXE, which named it" [ -z "$(value "$desktop" SCRNSAVE.EXE)" ]
    check "but keeps the user's Speed" [ "$(value "$settings" Speed)" = 0x4d ]
    ;;
  portable-zip)
    mkdir -p "$work/unpacked"
    bsdtar -xf "$zip" -C "$work/unpacked"
    for file in Orbivane.scr data.sdd README.txt; do
      check "the zip holds $file" [ -s "$work/unpacked/$file" ]
    done
    check "the installer carries the same saver" bash -c \
      "7z e -so '$setup' -r Orbivane.scr 2>/dev/null | cmp -s - '$work/unpacked/Orbivane.scr'"
    shipped_identity "$work/unpacked/Orbivane.scr"
    check "no Path is set" [ -z "$(value "$settings" Path)" ]
    saver_shows_scene "$(winepath -w "$work/unpacked")"
    wine reg add "$settings" /v Path /t REG_SZ /d '' /f >/dev/null 2>&1
    echo "with an empty Path:"
    saver_shows_scene "$(winepath -w "$work/unpacked")"
    ;;
  *)
    echo "install_e2e: unknown scenario $scenario" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ]
