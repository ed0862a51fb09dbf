# A first start: the window opens at 800 x 600 with its title, the loading
# screen gives way to the start screen, a missing zelk.conf is created with
# its 53 lines, the log starts with its banner, and Escape ends the program
# with exit code 0.
source "$(dirname "$0")/lib.sh"

start_display
start_game
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH}x${HEIGHT}"
[ "$(xdotool getwindowname "$WINDOW")" = "Zelk - a somali game" ] || fail "wrong title"
screenshot start
# The board picture is drawn (not the plain background colour) under point 4.
[ "$(pixel start 386 136)" != "0,0,0" ] || fail "no board on the start screen"

[ -f "$WORK/zelk.conf" ] || fail "zelk.conf was not created"
[ "$(grep -c $'\r$' "$WORK/zelk.conf")" = 53 ] || fail "zelk.conf has not 53 CR LF lines"
head -n 1 "$WORK/log.txt" | grep -q "^-\{80\}"$'\r'"$" || fail "log.txt does not start with its banner"

press Escape
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
echo "ok: start-up, window, files, Escape"
