# Processor time of the real game while it waits: on the start screen, then
# in a game waiting for a person's placement, each for SECONDS (default 20)
# under Xvfb. Prints the share of one core each took. With FULL_SCREEN=1 the
# screen is 1920 x 1080 and the game is put in full screen with F11 first.
#   bash bench/idle_cpu.sh build/zelk data build/tests/zelk-close-window [SECONDS]
source "$(dirname "$0")/../tests/e2e/lib.sh" "$1" "$2" "$3"
SECONDS_EACH=${4:-20}
TICKS=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$GAME_PID/stat"; }
measure() {
  local start end
  start=$(cpu_ticks)
  sleep "$SECONDS_EACH"
  end=$(cpu_ticks)
  awk -v t=$(( end - start )) -v hz="$TICKS" -v s="$SECONDS_EACH" -v what="$1" \
    'BEGIN { printf "%s: %.2f %% of a core (%d ticks in %d s)\n", what, 100 * t / hz / s, t, s }'
}

[ "${FULL_SCREEN:-0}" = 1 ] && XVFB_SCREEN=1920x1080x24
start_display
start_game
if [ "${FULL_SCREEN:-0}" = 1 ]; then
  press F11
  # Frame pixels are shown 1.8 times as large, 240 pixels from the left.
  click_at() { xdotool mousemove $(( 240 + ($1 * 18 + 9) / 10 )) $(( ($2 * 18 + 9) / 10 )) click 1; sleep 0.15; }
fi
sleep 1
measure "start screen"
click_at 260 536             # a game, the person to place first
sleep 1
measure "game waiting for a person"
xdotool key q
wait_for_exit >/dev/null
