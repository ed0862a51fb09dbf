# The report of a game to a collector that takes the request and never
# answers: the real program, asked to report with `r`, gives up within the
# exchange's 10 s (the host name looked up by the resolver's own thread),
# logs why, and goes on: Escape still ends it with exit code 0. The collector
# listens on the loopback interface only.
source "$(dirname "$0")/lib.sh"

COLLECTOR_PID=""
trap '[ -n "$COLLECTOR_PID" ] && kill "$COLLECTOR_PID" 2>/dev/null; cleanup' EXIT
python3 -c '
import socket, sys, time
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(4)
print(server.getsockname()[1], flush=True)
held = []
while True:
    connection, _ = server.accept()
    held.append(connection)  # read nothing, answer nothing
' > "$WORK/collector-port" &
COLLECTOR_PID=$!
for _ in $(seq 100); do [ -s "$WORK/collector-port" ] && break; sleep 0.05; done
[ -s "$WORK/collector-port" ] || fail "the collector did not start"

printf 'gameFeedback = 1\r\n' > "$WORK/zelk.conf"
export ZELK_UPLOAD_HOST=localhost
ZELK_UPLOAD_PORT=$(cat "$WORK/collector-port")
export ZELK_UPLOAD_PORT
start_display
start_game
started=$(date +%s)
press r
wait_log "Ok Sent was ok" 1
screenshot reporting          # the game's window while the report waits
wait_log "Receive error" 1
took=$(( $(date +%s) - started ))
log_has "Opening HTTP connection to localhost" || fail "no report was started"
log_has "Ok Sent was ok" || fail "the request did not reach the collector"
log_has "Receive error" || fail "the report did not give up"
[ "$took" -le 13 ] || fail "the report took ${took} s"
press Escape
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
echo "ok: a silent collector is given up on after ${took} s and the game goes on"
