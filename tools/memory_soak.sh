#!/usr/bin/env bash
# Plays a long keyboard session under Xvfb and follows the game's resident memory.
#
# Usage: tools/memory_soak.sh BUILD_DIR [DISPLAY_NUMBER [CYCLES [SCALE]]]
#   BUILD_DIR       holds src/qt/tessarix; nothing is built here
#   DISPLAY_NUMBER  the X display to use (default 95); an Xvfb of 2600x2000x24 is started on it
#                   unless one runs there already, and stopped at the end if started here
#   CYCLES          keyboard cycles to play (default 2700)
#   SCALE           QT_SCALE_FACTOR of the game (default 1)
# A cycle: one to three arrow keys, Enter (the keypad on the cursor's cell), a digit (entered,
# the keypad closes), and every third cycle Delete (the cursor's cell cleared). The keys are the
# same on every run (a fixed seed). The game starts a new game first (Alt+T, N) on a fresh game
# directory, removed at the end. Extra environment (MALLOC_ARENA_MAX, LD_PRELOAD, a wrapper in
# GAME_WRAPPER such as "heaptrack -o FILE") is handed to the game as it is; SOAK_HOLD=SECONDS
# keeps the game running that long after the last line (to look at it from outside).
#
# Prints, after 100 cycles and then every 300 (and at the end): the cycles played, VmRSS and its
# parts RssAnon, RssFile, RssShmem (KiB, from /proc/PID/status), the CPU ticks the game has used
# (utime + stime from /proc/PID/stat), and the growth of VmRSS since the first line. Exit status
# 0 when the growth stays within LIMIT_KIB (default 5120), 1 when not, 2 when the run failed.
set -u

build=${1:?usage: memory_soak.sh BUILD_DIR [DISPLAY_NUMBER [CYCLES [SCALE]]]}
display=:${2:-95}
cycles=${3:-2700}
scale=${4:-1}
limit=${LIMIT_KIB:-5120}
game="$build/src/qt/tessarix"
[ -x "$game" ] || { echo "missing: $game (build it first)" >&2; exit 2; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done

gamedir=$(mktemp -d /tmp/soak-game.XXXXXX)
xvfb_pid=
game_pid=
pid=
cleanup() {
  [ -n "$pid" ] && [ "$pid" != "$game_pid" ] && kill "$pid" 2>/dev/null
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$gamedir" "$gamedir.log"
}
trap cleanup EXIT

wait_for() {  # wait_for SECONDS COMMAND...: polls every 0.1 s
  local tries=$(($1 * 10))
  while [ "$tries" -gt 0 ]; do
    "${@:2}" && return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  return 1
}

export DISPLAY=$display
if ! xdotool getmouselocation >/dev/null 2>&1; then
  Xvfb "$display" -screen 0 2600x2000x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  wait_for 10 xdotool getmouselocation >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 2; }
fi

# The keys go to whichever window has the keyboard: no other game may be open on this display.
if [ -n "$(xdotool search --onlyvisible --name "Tessarix" 2>/dev/null)" ]; then
  echo "another Tessarix window is open on $display" >&2
  exit 2
fi
# shellcheck disable=SC2086  # the wrapper is words
QT_SCALE_FACTOR=$scale ${GAME_WRAPPER:-} "$game" --dir "$gamedir" >"$gamedir.log" 2>&1 &
game_pid=$!
window_of_game() { xdotool search --onlyvisible --name "Tessarix" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_of_game)" ]; }
wait_for 30 has_window || { echo "no game window" >&2; cat "$gamedir.log" >&2; exit 2; }
wid=$(window_of_game)
# The pid of the game itself (under a wrapper, the game may be its child).
pid=$game_pid
if [ -n "${GAME_WRAPPER:-}" ]; then
  pid=$(pgrep -n -f -- "--dir $gamedir" || echo "$game_pid")
fi
sleep 1
xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid"
echo "game pid $pid"
xdotool key --clearmodifiers alt+t
sleep 0.5
xdotool key n
sleep 2

status_kib() { awk -v k="$1:" '$1 == k { print $2 }' "/proc/$pid/status"; }
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
first=
report() {  # report CYCLES: one line of figures, once the game has taken its keys
  sleep 0.5
  local rss
  rss=$(status_kib VmRSS)
  [ -n "$first" ] || first=$rss
  printf '%6d cycles  VmRSS %7d KiB  anon %7d  file %6d  shmem %6d  ticks %6d  growth %+6d KiB\n' \
    "$1" "$rss" "$(status_kib RssAnon)" "$(status_kib RssFile)" "$(status_kib RssShmem)" \
    "$(ticks)" $((rss - first))
  last=$rss
}

RANDOM=1954
arrows=(Left Right Up Down)
played=0
while [ "$played" -lt "$cycles" ]; do
  # Ten cycles to one xdotool call.
  keys=()
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ "$played" -lt "$cycles" ] || break
    played=$((played + 1))
    for ((a = RANDOM % 3; a >= 0; a--)); do keys+=("${arrows[RANDOM % 4]}"); done
    keys+=(Return $((RANDOM % 9 + 1)))
    [ $((played % 3)) -eq 0 ] && keys+=(Delete)
    if [ "$played" -eq 100 ] || { [ "$played" -gt 100 ] && [ $(((played - 100) % 300)) -eq 0 ]; }; then
      break
    fi
  done
  xdotool key --delay 8 "${keys[@]}"
  kill -0 "$pid" 2>/dev/null || { echo "the game died after $played cycles" >&2; exit 2; }
  if [ "$played" -eq 100 ] || { [ "$played" -gt 100 ] && [ $(((played - 100) % 300)) -eq 0 ]; }; then
    report "$played"
  fi
done
[ -n "$first" ] && [ $(((played - 100) % 300)) -ne 0 ] && report "$played"
[ -n "$first" ] || { echo "fewer than 100 cycles: nothing to compare" >&2; exit 2; }
sleep "${SOAK_HOLD:-0}"
growth=$((last - first))
echo "growth after the first 100 cycles: $growth KiB (limit $limit KiB) at scale $scale"
[ "$growth" -le "$limit" ]
