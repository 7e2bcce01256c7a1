#!/usr/bin/env bash
# The Windows console program under Wine, over ODBC (Wine's odbc32 hands the
# calls to the host's driver manager and its FreeTDS driver) against
# quelor-simserver: the complete demo update ends in the same server state as
# the same program's in-process run, on the first and on the second run. The
# program lies in a folder with an umlaut and a blank, and reads SysDBAdo.INI
# from beside itself, saved as UTF-16 with a byte-order mark.
#
#   wire_update.sh QUELOR-SIMSERVER QUELOR-UPDATE-CONSOLE.EXE
set -euo pipefail
simserver=$1
program=$2
wine=${QUELOR_WINE:-wine}

work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
folder="$work/Vereinsbüro Update"
mkdir -p "$folder"
cp "$program" "$folder/quelor-update-console.exe"

# Starts the server on the snapshot $1 and sets server_pid and port.
start_server() {
  coproc SERVER { exec "$simserver" --port 0 --state "$1"; }
  server_pid=$SERVER_PID
  local line
  read -r line <&"${SERVER[0]}"
  port=${line##*:}
  [[ $port =~ ^[0-9]+$ ]] || { echo "quelor-simserver did not start: $line"; exit 1; }
}

# Writes SysDBAdo.INI for the server on $port in the program's folder.
write_ini() {
  printf '[Datenbank]\r\nProvider=SQLOLEDB.1\r\nUser ID=quelor\r\nPassword=demo\r\nPersist Security Info=False\r\nData Source=127.0.0.1,%s\r\n' "$port" |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$folder/SysDBAdo.INI"
}

for round in first second; do
  echo "== $round run over ODBC"
  start_server "$work/wire.json"
  write_ini
  status=0
  "$wine" "$folder/quelor-update-console.exe" >"$work/wire.out" 2>&1 || status=$?
  kill -TERM "$server_pid"
  wait "$server_pid" || { echo "quelor-simserver did not save its state"; exit 1; }
  server_pid=
  tail -n 3 "$work/wire.out"
  if [ "$status" -ne 0 ] || ! grep -q 'UPDATE erfolgreich ausgeführt!' "$work/wire.out"; then
    echo "the run over ODBC ended with status $status:"; cat "$work/wire.out"; exit 1
  fi

  echo "== $round run in-process"
  status=0
  "$wine" "$folder/quelor-update-console.exe" --demo --state "$work/in_process.json" \
    >"$work/in_process.out" 2>&1 || status=$?
  [ "$status" -eq 0 ] || { echo "the in-process run ended with status $status:"; cat "$work/in_process.out"; exit 1; }

  if ! cmp -s "$work/wire.json" "$work/in_process.json"; then
    echo "$round run: the snapshots over ODBC and in-process differ"
    diff <(tr ',' '\n' <"$work/wire.json") <(tr ',' '\n' <"$work/in_process.json") | head -20
    exit 1
  fi
done
echo "both runs over ODBC end where the in-process runs end"
