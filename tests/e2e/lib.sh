# Shared steps of the end-to-end runs: a private X display, the real game
# binary in a private working directory that sees the resource tree, and a
# person's mouse and keys through xdotool.
#   source lib.sh <zelk binary> <resource tree> <close-window helper>
set -euo pipefail

ZELK_BIN=$(realpath "$1")
ZELK_TREE=$(realpath "$2")
CLOSE_WINDOW=$(realpath "$3")
WORK=$(mktemp -d /tmp/zelk-e2e-XXXXXX)
SHOTS=${ZELK_E2E_SHOTS:-$WORK/shots}
# Where the game is started and where it writes its log; a run of the
# installed game sets both elsewhere.
RUN_DIR=$WORK
LOG_FILE=$WORK/log.txt
mkdir -p "$SHOTS"
XVFB_PID=""
GAME_PID=""
WINDOW=""

cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  if [ -z "${ZELK_E2E_KEEP:-}" ]; then rm -rf "$WORK"; else echo "kept $WORK"; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$LOG_FILE" ] && tail -n 30 "$LOG_FILE" >&2
  exit 1
}

for entry in images audio languages docs font.ttf; do
  [ -e "$ZELK_TREE/$entry" ] && ln -s "$ZELK_TREE/$entry" "$WORK/$entry"
done

# -noreset: the server would otherwise reset when the game, its last client,
# ends, and a game started again at that moment cannot connect.
# XVFB_SCREEN sets the screen's size (default 1024x768x24).
start_display() {
  local fdfile="$WORK/display"
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$fdfile" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
  [ -s "$fdfile" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$fdfile")"
}

start_game() {
  (cd "$RUN_DIR" && unset SDL_VIDEODRIVER && SDL_AUDIODRIVER=dummy exec "$ZELK_BIN" >"$WORK/stdout.txt" 2>&1) &
  GAME_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --name "^Zelk - a somali game$" | head -n 1) ||
    fail "the window did not open"
  # The loading screen runs before the first frame: wait for the start
  # screen's "left starts" button where the loading screen is black.
  wait_for "start screen" 300 start_screen_shown
}
start_screen_shown() { [ "$(shot_pixel 260 536)" != "0,0,0" ]; }

# Runs the command until it succeeds, every 0.1 s, at most $2 times.
wait_for() {
  local what=$1 tries=$2
  shift 2
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  fail "no $what after $(( tries / 10 )) s"
}
# Until the log holds at least $2 lines with $1 (20 s at most).
wait_log() { wait_for "'$1' ($2 lines) in the log" 200 log_at_least "$1" "$2"; }
log_at_least() { [ "$(log_count "$1")" -ge "$2" ]; }
log_count() { grep -c -- "$1" "$LOG_FILE" 2>/dev/null || true; }

window_origin() {
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  WIN_X=$X
  WIN_Y=$Y
}

# Mouse and keys, in window coordinates, as a person gives them.
move_to() { xdotool mousemove --sync --window "$WINDOW" "$1" "$2"; }
click_at() { move_to "$1" "$2"; xdotool click 1; sleep 0.15; }
press() { xdotool key --window "$WINDOW" "$1"; sleep 0.15; }

screenshot() { import -window root "$SHOTS/$1.png"; }
# A pixel of the window as it is now, "r,g,b", in window coordinates.
shot_pixel() { screenshot .now && pixel .now "$1" "$2"; }

# The colour of a pixel of a screenshot, in window coordinates, as "r,g,b".
pixel() {
  window_origin
  convert "$SHOTS/$1.png" -format "%[fx:int(255*p{$(( $2 + WIN_X )),$(( $3 + WIN_Y ))}.r)],%[fx:int(255*p{$(( $2 + WIN_X )),$(( $3 + WIN_Y ))}.g)],%[fx:int(255*p{$(( $2 + WIN_X )),$(( $3 + WIN_Y ))}.b)]" info:
}

close_window() { "$CLOSE_WINDOW" "$WINDOW"; sleep 0.3; }

wait_for_exit() {
  local code=0
  timeout 15 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not end"
  wait "$GAME_PID" || code=$?
  GAME_PID=""
  echo "$code"
}

# Waits for the game to end and sets EXIT_CODE to its exit status; called
# in this shell itself (not in $(...)), whose child the game is.
collect_exit() {
  timeout 30 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not end $1"
  EXIT_CODE=0
  wait "$GAME_PID" || EXIT_CODE=$?
  GAME_PID=""
}

log_has() { grep -qF -- "$1" "$LOG_FILE"; }

# Against the computer: point centres by number, whether a point is
# taken (after v), and a turn placed on the first free point of a list.
CENTRE_X=(150 390 630 224 386 548 290 385 480 150 220 290 490 553 625 290 385 480 224 386 548 150 390 630)
CENTRE_Y=(70 70 70 136 136 136 210 210 210 270 270 270 270 270 270 333 333 333 402 402 402 470 470 470)
taken() { grep -q "in cell $1\$" "$WORK/log.txt" || grep -q "in cell $1"$'\r' "$WORK/log.txt"; }
turn() {                     # a piece from home row $1 to the first free point of the rest
  local row=$1; shift
  for point in "$@"; do
    taken "$point" && continue
    local before; before=$(log_count "sound: put down")
    click_at 37 $(( 127 + 60 * row ))
    move_to $(( ${CENTRE_X[$point]} + 3 )) $(( ${CENTRE_Y[$point]} + 3 ))
    click_at "${CENTRE_X[$point]}" "${CENTRE_Y[$point]}"
    # The person's piece put down, then the computer's, once it has landed.
    wait_log "sound: put down" $(( before + 2 ))
    return 0
  done
  fail "no free point among $*"
}
