#!/usr/bin/env bash
# End-to-end tests of the Linux program on a virtual X display of their own,
# driven as a host or a person would: a harness window, xdotool, signals,
# screenshots of one window.
#   orbivane_e2e.sh SCENARIO ORBIVANE WINDOW_HARNESS DATA_DIR [BUILD_DIR | DEB | MAKE_SCENE | FAKE_DPMS]
# The install scenario installs BUILD_DIR into a prefix; deb-install
# installs the Debian package DEB into this machine and removes it again;
# monitors shows the scene MAKE_SCENE writes on a screen of two monitors;
# display-off preloads the library FAKE_DPMS into the program.
set -uo pipefail

scenario=$1
program=$(realpath "$2")
harness=$(realpath "$3")
data=$(realpath "$4")
build=${5:-}
deb=${5:-}
fake_dpms=${5:-}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

# A display of its own, so that tests can run side by side; open to every
# local user, for the daemon that runs as one. Without -noreset the server
# resets when its last client leaves, and a program started just then finds
# its connection closed.
screen=1024x768x24
[ "$scenario" = monitors ] && screen=3840x1080x24
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -ac -noreset 3>"$work/display" \
  >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
unset XSCREENSAVER_WINDOW

start() {  # start ARGS...: the program in the background, its stderr kept
  "$program" "$@" 2>"$work/stderr" &
  program_pid=$!
  pids+=("$program_pid")
}
running() { kill -0 "$program_pid" 2>/dev/null; }
# Waits up to SECONDS for the program to end; its exit status in $status.
ends_within() {
  local tenths
  tenths=$(awk -v s="$1" 'BEGIN { print int(s * 10) }')
  for ((i = 0; i < tenths; i++)); do
    if ! running; then wait "$program_pid"; status=$?; return 0; fi
    sleep 0.1
  done
  return 1
}
stops_on_term_within() {  # stops_on_term_within SECONDS: SIGTERM ends it, by that signal
  kill -TERM "$program_pid"
  ends_within "$1" && [ "$status" -eq $((128 + 15)) ]
}

new_window() {  # new_window W H [plain]: a host window; its id in $window
  "$harness" "$@" >"$work/window" &
  pids+=($!)
  harness_pid=$!
  for _ in $(seq 50); do [ -s "$work/window" ] && break; sleep 0.1; done
  window=$(cat "$work/window")
}

# The program's own window, once it is there.
own_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --name '^Orbivane$' 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo none
}

shot() { [ "$1" != none ] && import -window "$1" "$work/shot.png" 2>/dev/null; }
# The brightest channel value in a region (WxH+X+Y) of the last shot, 0-255.
brightest() {
  convert "$work/shot.png" -crop "$1" +repage -colorspace gray -format '%[fx:int(maxima*255)]' info:
}
size_of_shot() { identify -format '%wx%h' "$work/shot.png"; }
# The sizes of a window's children, on one line.
children() { xwininfo -children -id "$1" | grep -E '^ +0x' | grep -oE '[0-9]+x[0-9]+\+' | tr -d + | xargs; }
# The clock stands in the bottom-right corner of the scene (not of the
# loading screen): it shows there only when the picture fills the window.
clock_in_corner() {
  local size w h
  size=$(size_of_shot)
  w=${size%x*}
  h=${size#*x}
  [ "$(brightest "$((w / 4))x$((h / 8))+$((w - w / 4))+$((h - h / 8))")" -gt 200 ]
}
# Waits up to 30 s for the window to show the scene with its clock.
shows_scene() {
  for _ in $(seq 60); do
    shot "$1" && clock_in_corner && return 0
    sleep 0.5
  done
  return 1
}

# set_monitor NAME X: a 1920 x 1080 monitor at X (RandR), replacing one of that name.
set_monitor() {
  xrandr --delmonitor "$1" >/dev/null 2>&1
  xrandr --setmonitor "$1" "1920/508x1080/286+$2+0" "$([ "$1" = L ] && echo screen || echo none)"
}
# A monitor at X of the root shot shows the flight: its clock in its corner.
clock_on_monitor() { [ "$(brightest "480x135+$(($1 + 1440))+945")" -gt 200 ]; }
# The scene's orange disc on the monitor at X is round (red over blue leaves
# out the white clock), within 2 %.
round_on_monitor() {
  local w h
  read -r w h <<<"$(convert "$work/shot.png" -crop "1920x1080+$1+0" +repage -channel RB \
    -separate +channel -compose MinusSrc -composite -threshold 40% -trim -format '%w %h' info:)"
  echo "disc at $1: $w x $h"
  awk -v w="$w" -v h="$h" 'BEGIN { d = w - h; if (d < 0) d = -d; exit !(w > 50 && d <= 0.02 * w) }'
}
# Waits up to 30 s for both monitors of the root window to show the flight.
both_monitors_show() {
  for _ in $(seq 60); do
    shot root && clock_on_monitor 0 && clock_on_monitor 1920 && return 0
    sleep 0.5
  done
  return 1
}
window_width() { xwininfo -id "$1" | awk '/Width:/ { print $2 }'; }
# A sound server of the test's own that plays into a null sink.
sound_server() {
  mkdir -p "$work/pulse"
  export HOME=$work/pulse XDG_RUNTIME_DIR=$work/pulse PULSE_SERVER=unix:$work/pulse/socket
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    -L "module-null-sink sink_name=orbivane_test" \
    -L "module-native-protocol-unix socket=$work/pulse/socket auth-anonymous=1" \
    >"$work/pulse.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
}
streams() { pactl list sink-inputs 2>/dev/null | grep -c 'application.name = "Orbivane"'; }

# The program's processor time, user and system, over the next SECONDS, in
# hundredths of a second.
cpu_over() {
  local before after
  before=$(awk '{ print $14 + $15 }' "/proc/$program_pid/stat")
  sleep "$1"
  after=$(awk '{ print $14 + $15 }' "/proc/$program_pid/stat")
  echo $((after - before))
}

case $scenario in
  monitors)
    "$build" "$work" || exit 1
    set_monitor L 0
    set_monitor R 1920
    start --data "$work" --no-music --max-fps 20
    own=$(own_window)
    check "full screen, it spans both monitors" [ "$(window_width "$own")" = 3840 ]
    check "each monitor shows the flight" both_monitors_show
    check "the disc is round on the left monitor" round_on_monitor 0
    check "and on the right one" round_on_monitor 1920
    xrandr --delmonitor R >/dev/null
    sleep 2
    check "a monitor gone: it goes on over the one left" \
      bash -c "kill -0 $program_pid && [ \"\$(xwininfo -id $own | awk '/Width:/ { print \$2 }')\" = 1920 ]"
    shot root
    check "still drawing there" clock_on_monitor 0
    set_monitor R 1920
    check "the monitor back: both show the flight again" both_monitors_show
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    start --data "$work" --no-music --max-fps 20 --primary-only
    own=$(own_window)
    check "--primary-only covers the primary alone" [ "$(window_width "$own")" = 1920 ]
    check "and shows the flight there" shows_scene "$own"
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    ;;
  window-id)
    new_window 320 240
    start --window-id "$window" --data "$data"
    check "the host's window shows the scene" shows_scene "$window"
    xdotool windowsize "$window" 480 300
    sleep 2
    shot "$window"
    check "after a resize the picture has the new size" [ "$(size_of_shot)" = 480x300 ]
    check "and fills it: the clock moved to the new corner" clock_in_corner
    xdotool mousemove --window "$window" 10 10 key a click 1
    sleep 1
    check "under a host keys and clicks do not end it" running
    "$harness" message "$window"
    sleep 1
    check "nor does another client's message to the host's window" running
    check "SIGTERM ends it within 1 s, by the signal" stops_on_term_within 1
    # A host's window without depth buffer or double buffering.
    new_window 320 240 plain
    start --window-id "$window" --data "$data"
    check "a plain host window shows the scene" shows_scene "$window"
    check "through a child window that covers it" [ "$(children "$window")" = 320x240 ]
    xdotool windowsize "$window" 400 260
    sleep 1
    check "and follows its size" [ "$(children "$window")" = 400x260 ]
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    ;;
  window-gone)
    new_window 320 240
    start --window-id "$(printf '%d' "$window")" --data "$data"
    check "a decimal id is drawn into" shows_scene "$window"
    kill "$harness_pid"
    check "the window's end ends it quietly within 2 s" ends_within 2
    check "with status 0 or 1, no signal" [ "${status:-255}" -le 1 ]
    new_window 320 240
    start -window-id "$window" --data "$data"
    sleep 0.3
    kill "$harness_pid"
    check "a window gone during loading ends it within 2 s" ends_within 2
    check "with status 0 or 1" [ "${status:-255}" -le 1 ]
    start --window-id 0x7fffff0 --data "$data"
    check "a window that does not exist: status 1" bash -c "sleep 1; ! kill -0 $program_pid"
    ends_within 1
    check "with a message" grep -q "no window 0x7fffff0" "$work/stderr"
    ;;
  preview)
    # The settings dialog's preview: --root with --window-id, the id wins.
    new_window 200 150
    XSCREENSAVER_WINDOW=$(xwininfo -root | awk '/Window id/ { print $4 }')
    export XSCREENSAVER_WINDOW
    start --root --window-id "$window" --data "$data"
    check "the preview window shows the scene" shows_scene "$window"
    shot root
    check "the root window stays black" [ "$(brightest 600x400+400+350)" -lt 20 ]
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    unset XSCREENSAVER_WINDOW
    start -root --data "$data"
    check "--root alone draws on the root window" shows_scene root
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    # A leading 0 is no octal: the host's id is read as the decimal it is.
    new_window 200 150
    export XSCREENSAVER_WINDOW=0$(printf '%d' "$window")
    start --root --data "$data"
    check "XSCREENSAVER_WINDOW in decimal with a leading 0 is drawn into" shows_scene "$window"
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    unset XSCREENSAVER_WINDOW
    start --root --data "$data"
    sleep 0.4
    check "SIGTERM during loading ends it within 1 s" stops_on_term_within 1
    ;;
  own-window)
    start --windowed 400x300 --data "$data" --no-music
    own=$(own_window)
    check "its own window shows the scene" shows_scene "$own"
    xdotool mousemove --window "$own" 100 100 sleep 0.3 mousemove --window "$own" 300 250
    sleep 1
    check "without --mouse-exit the pointer does not end it" running
    xdotool key --window "$own" space
    check "a key ends it" ends_within 3
    start --windowed 400x300 --data "$data" --no-music
    own=$(own_window)
    shows_scene "$own" >/dev/null
    xdotool mousemove --window "$own" 50 50 click 1
    check "a click ends it" ends_within 3
    start --data "$data" --no-music --mouse-exit
    own=$(own_window)
    check "full screen, it covers the monitor" \
      bash -c "[ $own != none ] && xwininfo -id $own | grep -q 'Width: 1024'"
    shows_scene "$own" >/dev/null
    xdotool mousemove 500 400 sleep 0.3 mousemove 440 360
    check "with --mouse-exit the pointer moving left and up ends it" ends_within 3
    ;;
  display-off)
    # Xvfb has no DPMS: its monitor counts as on.
    start --windowed 320x240 --data "$data" --no-music
    check "on a server without DPMS it shows the scene" shows_scene "$(own_window)"
    cpu=$(cpu_over 3)
    echo "processor time over 3 s, drawing: $((cpu * 10)) ms"
    check "and goes on drawing" [ "$cpu" -gt 30 ]
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    # The monitor's power level as the test sets it, through the DPMS calls.
    sound_server
    echo on >"$work/dpms"
    export ORBIVANE_TEST_DPMS=$work/dpms
    LD_PRELOAD=$fake_dpms start --windowed 320x240 --data "$data"
    own=$(own_window)
    check "with the monitor on it shows the scene" shows_scene "$own"
    check "with its music" [ "$(streams)" -eq 1 ]
    echo off >"$work/dpms"
    sleep 2
    cpu=$(cpu_over 3)
    echo "processor time over 3 s, monitor off: $((cpu * 10)) ms"
    check "with the monitor off it draws nothing" [ "$cpu" -le 3 ]
    check "and the music's stream is closed" [ "$(streams)" -eq 0 ]
    echo on >"$work/dpms"
    sleep 2
    check "on again, it draws" [ "$(cpu_over 2)" -gt 20 ]
    check "and plays" [ "$(streams)" -eq 1 ]
    echo off >"$work/dpms"
    sleep 2
    xdotool key --window "$own" space
    check "a key while the monitor is off ends it" ends_within 2
    ;;
  missing-data)
    new_window 320 240
    start --window-id "$window" --data "$work/none"
    sleep 3
    check "a message names the folder" grep -q "no data folder $work/none" "$work/stderr"
    shot "$window"
    check "the window is black" [ "$(brightest 320x240+0+0)" -lt 20 ]
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    mkdir "$work/empty" && : >"$work/empty/data.sdd"
    start --window-id "$window" --data "$work/empty"
    sleep 2
    check "an empty archive is named" grep -q "no data archive $work/empty/data.sdd" "$work/stderr"
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    ;;
  music)
    sound_server
    start --windowed 320x240 --data "$data" --volume 80
    check "its own window shows the scene" shows_scene "$(own_window)"
    check "the music plays as a stream of its own" [ "$(streams)" -eq 1 ]
    timeout 1.5 parec --device=orbivane_test.monitor --raw --format=s16le --rate=44100 \
      --channels=2 >"$work/heard.raw" 2>/dev/null
    check "what reaches the sink is not silence" \
      [ "$(tr -d '\000' <"$work/heard.raw" | wc -c)" -gt 10000 ]
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    check "and the stream with it" [ "$(streams)" -eq 0 ]
    new_window 320 240
    start --window-id "$window" --data "$data" --music
    shows_scene "$window" >/dev/null
    check "under a host it stays silent" [ "$(streams)" -eq 0 ]
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    export PULSE_SERVER=unix:$work/no-server
    start --windowed 320x240 --data "$data"
    check "without a sound server it still shows the scene" \
      shows_scene "$(own_window)"
    check "and ends on SIGTERM within 1 s" stops_on_term_within 1
    ;;
  daemon)
    # The real screensaver daemon refuses to run effects as root: an ordinary
    # user runs it, with a copy of the program and data it can read.
    user=orbivane-test
    if [ "$(id -u)" -ne 0 ] && ! id "$user" >/dev/null 2>&1; then
      echo "daemon: needs root to make the user $user; skipped"
      exit 77
    fi
    id "$user" >/dev/null 2>&1 || useradd -m "$user"
    home=$(getent passwd "$user" | cut -d: -f6)
    chmod 755 "$work"
    # Laid out as an install prefix, so that it finds its data by itself.
    mkdir "$work/bin" "$work/data"
    cp "$program" "$work/bin/orbivane"
    cp "$data/data.sdd" "$work/data/data.sdd"
    # The user has used the settings app before: its file lists every effect.
    cp "$source_dir/tests/x11/dot-xscreensaver" "$home/.xscreensaver"
    chown "$user" "$home/.xscreensaver"
    as_user() { runuser -u "$user" -- env DISPLAY="$DISPLAY" HOME="$home" "$@"; }
    effect() { pgrep -u "$user" -f "$work/bin/orbivane --root" >/dev/null; }
    mkdir "$work/log" && chown "$user" "$work/log"
    as_user xscreensaver --no-splash -verbose --log "$work/log/daemon.log" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do as_user xscreensaver-command --version >/dev/null 2>&1 && break; sleep 0.2; done
    # One command while the daemon runs; it reads the changed file by itself.
    check "--use-in-xscreensaver as the user" as_user "$work/bin/orbivane" --use-in-xscreensaver
    as_user xscreensaver-command --activate >/dev/null
    for _ in $(seq 100); do effect && break; sleep 0.1; done
    check "activating the daemon starts the program" effect
    check "the screen shows the scene" shows_scene root
    as_user xscreensaver-command --deactivate >/dev/null
    for _ in $(seq 60); do effect || break; sleep 0.1; done
    check "deactivating ends it" bash -c "! pgrep -u $user -f '$work/bin/orbivane --root'"
    check "and the daemon logs no abnormal end" \
      bash -c "! grep -E 'orbivane.*(abnormally|crashed|did not die)' '$work/log/daemon.log'"
    as_user xscreensaver-command --exit >/dev/null 2>&1
    ;;
  watch)
    # An author at work on a copy of the example scene, shown with --watch.
    cp -r "$source_dir/examples/minimal" "$work/scene"
    start --windowed 320x240 --data "$work/scene" --watch --no-music
    own=$(own_window)
    check "its own window shows the scene" shows_scene "$own"
    check "with the check of the first load" \
      grep -q "scene: 0 errors, 0 warnings (1 world, 5 objects, 5 textures)" "$work/stderr"
    # A new sphere saved in two writes, as a slow editor might: the half
    # file is never loaded, the whole one once.
    objects=$work/scene/system.txt
    sed -i '/^ENDWORLD$/d' "$objects"
    printf 'sphere\nbegin rock\norbit\n' >>"$objects"
    sleep 0.15
    printf 'position V(20000 0 0)\nradus 800\nend\nENDWORLD\n' >>"$objects"
    written=$(date +%s%N)
    for _ in $(seq 100); do grep -q "loaded again" "$work/stderr" && break; sleep 0.05; done
    after=$((($(date +%s%N) - written) / 1000000))
    echo "loaded again ${after} ms after the last write"
    sleep 1
    check "it loads the scene again once, within 2 s of the last write" \
      [ "$(grep -c 'loaded again' "$work/stderr")" -eq 1 ] && [ "$after" -lt 2000 ]
    check "naming the new fault at its file and line" \
      grep -q "scene/system.txt:$(grep -n '^radus' "$objects" | cut -d: -f1): warning: unknown keyword 'radus'" \
      "$work/stderr"
    check "with the new object counted" \
      grep -q "scene: 0 errors, 1 warning (1 world, 6 objects, 5 textures)" "$work/stderr"
    check "and the flight goes on in the window" shows_scene "$own"
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    ;;
  options)
    # Which values are refused is the unit tests' business; here, what a person sees.
    "$program" --speed 101 >/dev/null 2>"$work/stderr"
    check "a bad value exits with status 1" [ $? -eq 1 ]
    check "and prints the usage on stderr" grep -q '^usage: orbivane' "$work/stderr"
    check "--help prints the usage and the data search" \
      bash -c "'$program' --help | grep -q 'without it: .*share/orbivane'"
    check "--version prints the version" bash -c "'$program' -version | grep -qE '^orbivane [0-9]+\.[0-9]+\.[0-9]+$'"
    timeout 2 env -u DISPLAY "$program" --root 2>"$work/stderr"
    check "without DISPLAY (Wayland) it ends at once with status 1" [ $? -eq 1 ]
    check "saying that it needs an X11 display" grep -q "needs an X11 display" "$work/stderr"
    ;;
  xscreensaver-list)
    # The user's ~/.xscreensaver; the daemon scenario shows that XScreenSaver
    # runs what it names.
    export HOME=$work/home
    mkdir "$HOME"
    list=$HOME/.xscreensaver
    fixture=$source_dir/tests/x11/dot-xscreensaver  # as xscreensaver-settings wrote it
    entry="GL: \"Orbivane\" $program --root \\n"
    "$program" --add-to-xscreensaver >"$work/out"
    check "in a fresh home the file holds only the entry" [ "$(cat "$list")" = "programs: $entry" ]
    check "and it says that a running XScreenSaver picks it up" grep -q "picks the change up" "$work/out"
    cp "$fixture" "$list"
    chmod 640 "$list"
    "$program" --add-to-xscreensaver >/dev/null && "$program" -add-to-xscreensaver >/dev/null
    check "added twice to the settings app's file: one entry, every other line kept" \
      [ "$(diff "$fixture" "$list")" = "$(printf '291a292\n>   %s\\' "$entry")" ]
    check "its mode kept" [ "$(stat -c %a "$list")" = 640 ]
    "$program" --use-in-xscreensaver >"$work/out"
    # The file's list holds 249 effects before ours.
    selects_ours() { grep -qx $'mode:\t\tone' "$list" && grep -qx $'selected:\t249' "$list"; }
    check "--use-in-xscreensaver: mode one, our entry selected" selects_ours
    check "and nothing else changed" [ "$(diff "$fixture" "$list" | grep -c '^>')" -eq 3 ]
    printf 'programs: maze --root \\n\nnot a resource line\n' >"$work/text"
    head -c 4096 "$program" >"$work/binary"
    for bad in text binary; do
      cp "$work/$bad" "$list"
      "$program" --add-to-xscreensaver >/dev/null 2>"$work/stderr"
      check "a $bad file that is no settings file: status 1" [ $? -eq 1 ]
      check "with a message" grep -q "is not an XScreenSaver settings file" "$work/stderr"
      check "and left as it was" cmp -s "$work/$bad" "$list"
    done
    ;;
  install)
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    for file in libexec/xscreensaver/orbivane share/xscreensaver/config/orbivane.xml \
                share/applications/screensavers/orbivane.desktop share/orbivane/data.sdd; do
      check "installs $file" [ -s "$prefix/$file" ]
    done
    check "bin/orbivane runs the installed program" \
      [ "$(readlink -f "$prefix/bin/orbivane")" = "$prefix/libexec/xscreensaver/orbivane" ]
    check "the options file is valid for the settings dialog" \
      xmllint --noout --dtdvalid "$source_dir/tests/x11/screensaver.dtd" \
      "$prefix/share/xscreensaver/config/orbivane.xml"
    desktop=$prefix/share/applications/screensavers/orbivane.desktop
    check "the desktop entry runs it on the host's window" grep -q '^Exec=/.*/orbivane --root$' "$desktop"
    check "as a screensaver" grep -qx 'Categories=Screensaver;' "$desktop"
    check "for every desktop whose screensaver reads these entries" \
      grep -qx 'OnlyShowIn=MATE;XFCE;' "$desktop"
    valid() {
      local out
      out=$(desktop-file-validate --no-hints "$1" 2>&1) && [ -z "$out" ] || { echo "$out"; return 1; }
    }
    check "and valid, without a warning" valid "$desktop"
    program=$prefix/bin/orbivane
    start --root
    check "run from its prefix, it finds the prefix's data" shows_scene root
    check "without a word on missing data" [ ! -s "$work/stderr" ]
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    ;;
  deb-lint)
    [ -f "$deb" ] || { echo "deb-lint: no package $deb (scripts/package makes it)"; exit 1; }
    lintian --fail-on error "$deb" 2>/dev/null | tee "$work/lintian"
    check "lintian finds no error in the package" [ "${PIPESTATUS[0]}" -eq 0 ]
    check "nor a warning" bash -c "! grep -q '^W:' '$work/lintian'"
    ;;
  deb-install)
    if [ "${ORBIVANE_SKIP_SYSTEM_INSTALL:-0}" = 1 ] || [ "$(id -u)" -ne 0 ]; then
      echo "deb-install: skipped (ORBIVANE_SKIP_SYSTEM_INSTALL=1, or not root)"
      exit 77
    fi
    [ -f "$deb" ] || { echo "deb-install: no package $deb (scripts/package makes it)"; exit 1; }
    trap 'dpkg -r orbivane >/dev/null 2>&1; cleanup' EXIT
    check "dpkg -i installs the package" dpkg -i "$deb"
    dpkg -L orbivane >"$work/files"
    program=/usr/libexec/xscreensaver/orbivane
    start --root
    check "the installed program shows the scene" shows_scene root
    check "from the installed data, without a word" [ ! -s "$work/stderr" ]
    check "SIGTERM ends it within 1 s" stops_on_term_within 1
    check "the hosts find its options file" [ -s /usr/share/xscreensaver/config/orbivane.xml ]
    mkdir "$work/home"
    HOME=$work/home orbivane --add-to-xscreensaver >/dev/null
    check "its XScreenSaver entry names it by its bare name" \
      grep -qxF 'programs: GL: "Orbivane" orbivane --root \n' "$work/home/.xscreensaver"
    check "dpkg -r removes it" dpkg -r orbivane
    left=$(while read -r file; do [ -f "$file" ] || [ -L "$file" ] && echo "$file"; done <"$work/files")
    check "and every file it installed" [ -z "$left" ]
    ;;
  *)
    echo "orbivane_e2e: unknown scenario $scenario" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ]
