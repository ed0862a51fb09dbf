#!/usr/bin/env bash
# One whole game of the real binary between two computers, under valgrind's
# memcheck, on the dummy video and audio drivers; prints valgrind's summary
# and fails on any invalid read or write or any definite leak. Slow (several
# minutes): a tool to run by hand, not part of `make test`.
#   tools/valgrind-game.sh [zelk binary] [resource tree]
# The game is played through the ZELK_UNATTENDED start-up switch (see
# app/unattended.h) in a scratch working directory whose zelk.conf makes
# both players COMPUTER at the Beginner level.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
binary=$(realpath "${1:-$here/build/zelk}")
tree=$(realpath "${2:-$here/data}")
command -v valgrind >/dev/null || { echo "valgrind is not installed (apt-get install valgrind)" >&2; exit 2; }
[ -x "$binary" ] || { echo "no game binary at $binary (make build)" >&2; exit 2; }

work=$(mktemp -d /tmp/zelk-valgrind-XXXXXX)
trap 'rm -rf "$work"' EXIT
for entry in images audio languages docs font.ttf; do
  [ -e "$tree/$entry" ] && ln -s "$tree/$entry" "$work/$entry"
done
cat > "$work/zelk.conf" <<'CONF'
showStartingHint = false
playerOneName = Left
playerOneType = COMPUTER
playerTwoName = Right
playerTwoType = COMPUTER
gameLevel = 1
gameFeedback = 0
CONF

cd "$work"
status=0
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ZELK_UNATTENDED=${ZELK_UNATTENDED:-20000} \
  timeout "${VALGRIND_TIMEOUT:-3600}" valgrind --tool=memcheck --leak-check=full \
  --show-leak-kinds=definite --errors-for-leak-kinds=definite --error-exitcode=99 \
  --log-file=valgrind.txt "$binary" >stdout.txt 2>&1 || status=$?

grep -E "ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|in use at exit|Invalid (read|write)" valgrind.txt || true
echo "the game:"
grep -h -E "won after|no winner|did not start|ERROR" stdout.txt log.txt | tail -n 5 || true
if [ "$status" -ne 0 ]; then
  echo "valgrind-game: FAILED (exit $status); the full report follows" >&2
  cat valgrind.txt >&2
  exit 1
fi
grep -q "Invalid \(read\|write\)" valgrind.txt && { echo "valgrind-game: invalid accesses" >&2; exit 1; }
echo "valgrind-game: clean"
