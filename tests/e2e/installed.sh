# The game as a person gets it from the menu: installed (into a private
# prefix from this build, or, with ZELK_INSTALLED_PREFIX=/usr, the package
# installed on the system), started by its menu entry's command from a
# directory without resources and with a home of its own. The window opens
# on the start screen; zelk.conf, log.txt and a screenshot appear in the
# user's directories; nothing is written in the working directory or under
# share/zelk.
source "$(dirname "$0")/lib.sh"

if [ -n "${ZELK_INSTALLED_PREFIX:-}" ]; then
  PREFIX=$ZELK_INSTALLED_PREFIX
else
  PREFIX=$WORK/prefix
  cmake --install "$(dirname "$ZELK_BIN")" --prefix "$PREFIX" >"$WORK/install.txt" ||
    fail "cmake --install failed"
fi
TREE=$PREFIX/share/zelk
ENTRY=$PREFIX/share/applications/net.zelkgame.zelk.desktop
[ -d "$TREE" ] || fail "no resource tree in $TREE"
[ -f "$ENTRY" ] || fail "no menu entry $ENTRY"
command=$(sed -n 's/^Exec=//p' "$ENTRY")
# Debian's games live in games/, on the PATH of every user session.
ZELK_BIN=$(PATH="$PREFIX/bin:$PREFIX/games:$PATH" command -v "$command") ||
  fail "the menu's command $command is not found"
case $ZELK_BIN in
  "$PREFIX/bin/zelk" | "$PREFIX/games/zelk") ;;
  *) fail "the menu starts $ZELK_BIN" ;;
esac

export HOME=$WORK/home
export XDG_CONFIG_HOME=$WORK/config-home
unset XDG_STATE_HOME XDG_DATA_HOME
CONFIG_DIR=$XDG_CONFIG_HOME/zelk
STATE_DIR=$HOME/.local/state/zelk
DATA_DIR=$HOME/.local/share/zelk
RUN_DIR=$WORK/elsewhere
LOG_FILE=$STATE_DIR/log.txt
mkdir -p "$HOME" "$RUN_DIR"

tree_listing() { find "$TREE" -printf '%P %y %s %T@\n' | sort; }
tree_listing >"$WORK/tree-before"

start_display
start_game
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH}x${HEIGHT}"
screenshot installed
[ "$(pixel installed 386 136)" != "0,0,0" ] || fail "no board on the start screen"

# `s` held writes the screenshot in the user's data directory.
xdotool keydown --window "$WINDOW" s
wait_for "screenshot in $DATA_DIR" 100 test -s "$DATA_DIR/mainscreenshot.bmp"
xdotool keyup --window "$WINDOW" s

press Escape
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"

[ "$(grep -c $'\r$' "$CONFIG_DIR/zelk.conf")" = 53 ] || fail "no zelk.conf of 53 lines in $CONFIG_DIR"
head -n 1 "$LOG_FILE" | grep -q "^-\{80\}"$'\r'"$" || fail "no log.txt with its banner in $STATE_DIR"
for dir in "$CONFIG_DIR" "$STATE_DIR" "$DATA_DIR"; do
  [ "$(stat -c %a "$dir")" = 700 ] || fail "$dir is not private"
done
[ -z "$(ls -A "$RUN_DIR")" ] || fail "written in the working directory: $(ls -A "$RUN_DIR")"
tree_listing | diff "$WORK/tree-before" - >&2 || fail "the resource tree changed"
echo "ok: installed game from its menu entry, the user's files in their home"
