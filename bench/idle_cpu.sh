# Processor time of the real game while it waits: on the start screen, then
# in a game waiting for a person's placement, each for SECONDS (default 20)
# under Xvfb. Prints the share of one core each took.
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

start_display
start_game
sleep 1
measure "start screen"
click_at 260 536             # a game, the person to place first
sleep 1
measure "game waiting for a person"
close_window
click_at 400 365
wait_for_exit >/dev/null
