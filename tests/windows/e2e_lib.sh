# e2e_lib.sh -- what the Windows end-to-end tests share: checks, the saver's
# process, its window and the brightness of the screen. Needs $work.

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

# The saver started in the background by a test, its process id in $saver_pid.
running() { [ -n "$saver_pid" ] && kill -0 "$saver_pid" 2>/dev/null; }

ends_within() {  # ends_within SECONDS
  local tenths=$(($1 * 10))
  for ((i = 0; i < tenths; i++)); do
    running || { wait "$saver_pid" 2>/dev/null; saver_pid=; return 0; }
    sleep 0.1
  done
  return 1
}

window_appears() {  # window_appears TITLE SECONDS
  for ((i = 0; i < $2 * 10; i++)); do
    xdotool search --name "^$1\$" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Mean brightness (0-1) of a square around the screen's centre, the brightest
# of SHOTS screenshots a second apart: the flight passes dark stretches.
brightest_centre() {  # brightest_centre SHOTS
  local best=0 mean shot
  for ((shot = 0; shot < $1; shot++)); do
    ((shot > 0)) && sleep 1
    import -window root "$work/shot.png" 2>/dev/null
    mean=$(convert "$work/shot.png" -gravity center -crop 240x240+0+0 +repage \
      -colorspace Gray -format '%[fx:mean]' info: 2>/dev/null)
    above "${mean:-0}" "$best" && best=$mean
  done
  echo "$best"
}
above() { awk -v v="$1" -v t="$2" 'BEGIN { exit !(v > t) }'; }
below() { awk -v v="$1" -v t="$2" 'BEGIN { exit !(v < t) }'; }
