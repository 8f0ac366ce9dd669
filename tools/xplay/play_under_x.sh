#!/usr/bin/env bash
# Plays a whole game under Xvfb with xdotool as a person would: new game, save, every empty cell,
# the name of the new champion typed and accepted with Enter, the hall of fame, and the board
# printed with D into a PDF (the game runs with --print-to).
#
# Usage: tools/xplay/play_under_x.sh [BUILD_DIR [SHOT_DIR]]
#   BUILD_DIR  holds src/qt/tessarix and tessarix-puzzles (default: build); nothing is built here
#   SHOT_DIR   receives the screenshots (default: BUILD_DIR/xplay)
# Needs Xvfb, xdotool, ImageMagick (import, convert) and python3. It starts its own Xvfb on
# DISPLAY_NUMBER (default 99), or on a free display when that one is taken. The game runs on a
# fresh game directory that is removed at the end (KEEP_GAME_DIR=1 keeps it). Exit status 0 when
# every check passed.
set -u

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
shots=${2:-$build/xplay}
display=:${DISPLAY_NUMBER:-99}
helper="$here/xplay.py"
game="$build/src/qt/tessarix"
puzzles="$build/tessarix-puzzles"
canvas_w=1280
canvas_h=946

for tool in Xvfb xdotool import convert python3 pdftotext pdfinfo; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done
for bin in "$game" "$puzzles"; do
  [ -x "$bin" ] || { echo "missing: $bin (build it first)" >&2; exit 2; }
done

mkdir -p "$shots"
rm -f "$shots"/*.png
gamedir=$(mktemp -d /tmp/xplay-game.XXXXXX)
work=$(mktemp -d /tmp/xplay-work.XXXXXX)
xvfb_pid=
game_pid=
failures=0

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
  if [ "${KEEP_GAME_DIR:-0}" = 1 ]; then echo "game directory kept: $gamedir"; else rm -rf "$gamedir"; fi
}
trap cleanup EXIT

say() { printf '%s\n' "$*"; }
not() { ! "$@"; }
check() {  # check NAME COMMAND...: runs a check, counts a failure
  if "${@:2}"; then say "ok    $1"; else say "FAIL  $1"; failures=$((failures + 1)); fi
}
shot_count=0
shot() {  # shot NAME: a screenshot of the whole screen into $shots; its path in $last_shot
  shot_count=$((shot_count + 1))
  last_shot=$(printf '%s/%02d-%s.png' "$shots" "$shot_count" "$1")
  import -display "$display" -window root "$last_shot"
}
crop() {  # crop SHOT NAME X Y W H: a canvas rectangle of a shot, three times enlarged
  convert "$1" -crop "$5x$6+$((ox + $3))+$((oy + $4))" +repage -scale 300% "$shots/$2.png"
}
game_alive() { kill -0 "$game_pid" 2>/dev/null; }
wait_for() {  # wait_for SECONDS COMMAND...: polls every 0.1 s
  local tries=$(($1 * 10))
  while [ "$tries" -gt 0 ]; do
    "${@:2}" && return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  return 1
}
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { ! has_window "$1"; }
file_newer() { [ -f "$1" ] && [ "$1" -nt "$2" ]; }
helper() { python3 "$helper" --origin "$ox" "$oy" "$@"; }

# 1. An X server of our own (display :99, or a free one when :99 is taken) and the game.
if [ -e "/tmp/.X${display#:}-lock" ]; then
  say "display $display is taken, Xvfb picks a free one"
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_for 10 test -s "$work/display" || { say "Xvfb did not start"; exit 2; }
  display=:$(cat "$work/display")
else
  Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
fi
export DISPLAY=$display
wait_for 10 xdotool getmouselocation >/dev/null 2>&1 || { say "Xvfb did not start"; exit 2; }
say "Xvfb on $display"
pdf="$work/board.pdf"
"$game" --dir "$gamedir" --print-to "$pdf" >"$work/game.log" 2>&1 &
game_pid=$!
wait_for 15 has_window "Tessarix" || { say "no game window"; cat "$work/game.log"; exit 1; }
wid=$(window_named "Tessarix")
sleep 0.5
xdotool windowfocus --sync "$wid"

# The top-level X window is the client area: the menu bar, then the 1280 x 946 canvas. Found
# again after each step that may switch the menu bar off or on.
locate() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  menu_h=$((HEIGHT - canvas_h))
  width=$WIDTH
  if [ "$X" != "${ox:-}" ] || [ "$((Y + menu_h))" != "${oy:-}" ]; then
    ox=$X
    oy=$((Y + menu_h))
    say "window $wid at ($X, $Y), $WIDTH x $HEIGHT: menu bar $menu_h pixels, canvas origin ($ox, $oy)"
  fi
}
locate
check "the client area is $canvas_w pixels wide" [ "$width" -eq "$canvas_w" ]
check "a menu bar lies above the canvas" [ "$menu_h" -gt 10 -a "$menu_h" -lt 60 ]
shot start; start=$last_shot

# 2. A new game from the keyboard: Alt+T opens "&Tessarix", N chooses "&Neues Spiel".
xdotool key --window "$wid" --clearmodifiers alt+t
sleep 0.5
shot menu-open
xdotool key n
sleep 1.5
shot new-game; dealt=$last_shot
sleep 1.2
shot clock-later; later=$last_shot
locate
check "the new game changed the field" not helper same "$start" "$dealt" 29 35 1089 825
check "the clock runs (its label changes within a second)" not helper same "$dealt" "$later" 1056 831 160 30
crop "$later" clock-running 1040 820 200 50

# 3. S on the field opens "Sichern unter ...", "1" saves into slot 0 of brett.trx.
touch "$work/stamp"
sleep 1.1  # the saved file must be newer than the stamp even on a coarse clock
xdotool mousemove $((ox + 1100)) $((oy + 400))
xdotool key s
if wait_for 5 has_window "Sichern unter"; then
  say "ok    the slot dialog opened: $(xdotool getwindowname "$(window_named 'Sichern unter')")"
  shot save-dialog
  xdotool key 1
else
  say "FAIL  no slot dialog after S"; failures=$((failures + 1))
fi
check "brett.trx written" wait_for 5 file_newer "$gamedir/brett.trx" "$work/stamp"
check "the slot dialog closed" wait_for 5 no_window "Sichern unter"
[ -f "$gamedir/brett.trx" ] || { say "nothing to play: no saved board"; exit 1; }

# 4. The solution and the empty cells of the saved board.
"$puzzles" solve "$gamedir/brett.trx" 0 >"$work/solution.txt"
"$puzzles" show "$gamedir/brett.trx" 0 >"$work/board.txt"
say "solver: $(sed -n '34,35p' "$work/solution.txt" | tr '\n' ' ')"
helper plan "$work/solution.txt" "$work/board.txt" >"$work/plan.txt" || exit 1
cells=$(wc -l <"$work/plan.txt")
say "$cells empty cells to fill"

locate
# 5. Every empty cell: point at it, click, type its digit into the keypad.
n=0
while read -r x y digit; do
  n=$((n + 1))
  if [ "$n" -eq 1 ]; then
    xdotool mousemove "$x" "$y" click 1
    sleep 0.5
    shot keypad-open; first=$last_shot
    check "a left click opens the keypad over the cell" helper keypad "$first" "$x" "$y"
    crop "$first" keypad "$((x - ox - 60))" "$((y - oy - 45))" 120 90
    xdotool key "$digit"
    sleep 0.5
    shot first-digit; typed=$last_shot
    check "the typed digit closes the keypad" not helper keypad "$typed" "$x" "$y"
    crop "$typed" first-digit "$((x - ox - 60))" "$((y - oy - 45))" 120 90
    continue
  fi
  xdotool mousemove "$x" "$y" click 1 sleep 0.02 key "$digit" sleep 0.02
  if [ $((n % 100)) -eq 0 ]; then
    game_alive || { say "FAIL  the game died after $n cells"; exit 1; }
    sleep 0.3
    shot "after-$n-cells"
  fi
  if [ "$n" -eq $((cells - 1)) ]; then
    sleep 0.5
    shot before-last-cell
    crop "$last_shot" status-before-last 1030 230 245 60
  fi
done <"$work/plan.txt"
# 6. The last cell solved a timed game with a fresh hall of fame: the name dialog asks.
if wait_for 10 has_window "Neuer Rekord"; then
  sleep 0.5
  shot name-dialog
  say "ok    the name dialog opened: $(xdotool getwindowname "$(window_named 'Neuer Rekord')")"
  xdotool type --delay 60 "Xvfb Spieler"
  sleep 0.3
  shot name-typed
  xdotool key Return
else
  say "FAIL  no name dialog after the last cell"; failures=$((failures + 1))
fi
if wait_for 10 has_window "Ruhmeshalle"; then
  sleep 0.5
  shot hall-of-fame
  say "ok    the hall of fame opened: $(xdotool getwindowname "$(window_named 'Ruhmeshalle')")"
else
  say "FAIL  no hall of fame after the name"; failures=$((failures + 1))
fi
fame="$gamedir/Champions.Rhm"
check "Champions.Rhm written" wait_for 5 test -f "$fame"
if [ -f "$fame" ]; then
  say "Champions.Rhm, rank 1 of Leicht: $(sed -n '1,3p' "$fame" | tr -d '\r' | tr '\n' '|')"
  check "rank 1 of Leicht holds the name" [ "$(sed -n '1p' "$fame" | tr -d '\r')" = "Xvfb Spieler" ]
  check "rank 1 holds today's date" [ "$(sed -n '2p' "$fame" | tr -d '\r')" = "$(date +%d.%m.%Y)" ]
  check "rank 1 holds a finish time" grep -qE '^[0-9]{2}:[0-5][0-9]:[0-5][0-9]\.[0-9]' <(sed -n '3p' "$fame" | tr -d '\r')
  check "the file has 120 lines" [ "$(wc -l <"$fame")" -eq 120 ]
  finish=$(sed -n '3p' "$fame" | tr -d '\r')
fi
xdotool key Return  # "&OK"
check "the hall of fame closed" wait_for 5 no_window "Ruhmeshalle"
sleep 1
game_alive || { say "FAIL  the game died at the end"; exit 1; }
xdotool windowfocus --sync "$wid" 2>/dev/null
shot solved; solved=$last_shot
crop "$solved" status 1030 230 245 60
crop "$solved" clock-final 1040 820 200 50
check "every typed cell shows a blue digit, none red" helper cells "$solved" "$work/plan.txt"
check "no keypad left on the field" helper strays "$solved"
say "status panel colours: $(helper region "$solved" 1040 240 230 30)"
sleep 1.5
shot solved-later; still=$last_shot
check "the clock stopped once the field was solved" helper same "$solved" "$still" 1056 831 160 30

# 7. D prints the solved board: the PDF is one landscape page with the footer.
xdotool mousemove $((ox + 1100)) $((oy + 400))
xdotool key d
if wait_for 10 test -s "$pdf"; then
  sleep 0.5
  say "ok    D wrote $(basename "$pdf"): $(pdfinfo "$pdf" | grep -E '^(Title|Pages|Page size)' | tr -s ' ' | tr '\n' ';')"
  footer=$(pdftotext "$pdf" - | tr -s ' \n' ' ')
  say "      its text: $footer"
  check "the PDF has one page" [ "$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')" = 1 ]
  check "the page lies in landscape" python3 -c "import sys,re; w,h=map(float,re.search(r'Page size:\s+([\d.]+) x ([\d.]+)', sys.stdin.read()).groups()); sys.exit(0 if w > h else 1)" < <(pdfinfo "$pdf")
  check "the footer names the level and the clue count" grep -q "Schwierigkeitsgrad: Leicht mit [0-9]* Zahlen" <<<"$footer"
  cp "$pdf" "$shots/board.pdf"
else
  say "FAIL  D wrote no PDF"; failures=$((failures + 1))
fi

# 8. Save again into slot 1 and compare the board with the solution.
touch "$work/stamp"
sleep 1.1
xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool key s
if wait_for 5 has_window "Sichern unter"; then
  xdotool key 2
else
  say "FAIL  no slot dialog after S on the solved field"; failures=$((failures + 1))
fi
if wait_for 5 file_newer "$gamedir/brett.trx" "$work/stamp"; then
  "$puzzles" show "$gamedir/brett.trx" 1 >"$work/final.txt"
  check "the saved board is full and equals the solution" \
    helper compare "$work/solution.txt" "$work/final.txt"
  check "both copies of every shared box hold the same digit" helper copies "$gamedir/brett.trx" 1
else
  say "FAIL  the second save did not reach brett.trx"; failures=$((failures + 1))
fi
game_alive && say "ok    the game is still running" || { say "FAIL  the game is gone"; failures=$((failures + 1)); }
shot end
if [ -s "$work/game.log" ]; then say "game output:"; sed 's/^/  /' "$work/game.log"; fi
say "screenshots in $shots"
say "$failures checks failed"
[ "$failures" -eq 0 ]
