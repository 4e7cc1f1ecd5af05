#!/usr/bin/env bash
# The Windows packages as a user meets them, under Wine on $DISPLAY: the
# installer run silently into a fresh 64-bit prefix, the installed saver,
# the uninstaller, and the portable zip unpacked with no settings at all.
#   install_e2e.sh SCENARIO SETUP_EXE PORTABLE_ZIP VERSION
set -uo pipefail

scenario=$1
setup=$(realpath "$2")
zip=$(realpath "$3")
version=$4

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
desktop='HKCU\Control Panel\Desktop'
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbivane'
value() {  # value KEY NAME: the data of one value, empty when absent
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v n="$2" '$1 == n { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }'
}
key_absent() { ! wine reg query "$1" >/dev/null 2>&1; }
ends_with() { [[ "$1" == *"$2" ]]; }
unix_path() { winepath -u "$1" 2>/dev/null; }

# The saver in FOLDER started as the system starts it, from another folder;
# it must show the scene and end on a key.
saver_shows_scene() {
  (cd / && wine "$1\\Orbivane.scr" /s >/dev/null 2>&1) &
  saver_pid=$!
  check "the saver window appears" window_appears Orbivane 40
  sleep 6
  local brightness
  brightness=$(centre_brightness)
  echo "centre brightness: $brightness"
  check "it shows the scene (not black)" above "${brightness:-0}" 0.05
  xdotool key space
  check "a key ends it" ends_within 10
}

uninstall_silently() {  # the uninstaller copies itself away and returns at once
  wine "$1\\Uninstall.exe" /S "${@:2}" >/dev/null 2>&1
  wineserver -w
}

case $scenario in
  installer)
    check "the installer is a 64-bit program" bash -c "file '$setup' | grep -q 'PE32+'"
    wine reg add "$settings" /v Speed /t REG_DWORD /d 77 /f >/dev/null 2>&1
    wine "$setup" /S >/dev/null 2>&1
    check "setup.exe /S exits 0" [ $? -eq 0 ]
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
      ends_with "$(value "$uninstall" QuietUninstallString)" 'Uninstall.exe" /S'
    menu=$(unix_path "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Orbivane")
    check "the Start menu has the settings, choose and uninstall entries" \
      [ "$(ls "$menu" 2>/dev/null | wc -l)" -eq 3 ]
    saver_shows_scene "$folder"
    uninstall_silently "$folder"
    check "the uninstaller removes the files" [ ! -e "$(unix_path "$folder")" ]
    check "and the Start menu folder" [ ! -e "$menu" ]
    check "and Path" [ -z "$(value "$settings" Path)" ]
    check "and its own key" key_absent "$uninstall"
    check "and SCRNSAVE.EXE, which named it" [ -z "$(value "$desktop" SCRNSAVE.EXE)" ]
    check "but keeps the user's Speed" [ "$(value "$settings" Speed)" = 0x4d ]
    ;;
  installer-folder)
    wine "$setup" /S '/D=C:\Games\Orbivane' >/dev/null 2>&1
    check "/D= installs into the folder given" [ -s "$(unix_path 'C:\Games\Orbivane\Orbivane.scr')" ]
    check "Path names that folder" [ "$(value "$settings" Path)" = 'C:\Games\Orbivane' ]
    saver_shows_scene 'C:\Games\Orbivane'
    wine reg add "$desktop" /v SCRNSAVE.EXE /t REG_SZ /d 'C:\windows\system32\other.scr' /f >/dev/null 2>&1
    wine reg add "$settings" /v Speed /t REG_DWORD /d 12 /f >/dev/null 2>&1
    uninstall_silently 'C:\Games\Orbivane' /PURGE
    check "the uninstaller removes the folder" [ ! -e "$(unix_path 'C:\Games\Orbivane')" ]
    check "another saver chosen since stays chosen" \
      [ "$(value "$desktop" SCRNSAVE.EXE)" = 'C:\windows\system32\other.scr' ]
    check "/PURGE removes the settings too" key_absent "$settings"
    ;;
  portable-zip)
    mkdir -p "$work/unpacked"
    bsdtar -xf "$zip" -C "$work/unpacked"
    for file in Orbivane.scr data.sdd README.txt; do
      check "the zip holds $file" [ -s "$work/unpacked/$file" ]
    done
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
