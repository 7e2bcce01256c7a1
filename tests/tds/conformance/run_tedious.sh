#!/usr/bin/env bash
# Runs tedious_conformance.js against a fresh quelor-simserver.
#   run_tedious.sh SIMSERVER WORK_DIR
# WORK_DIR gets package.json, the lock and node_modules; npm ci runs only when
# node_modules is missing or the lock changed, so repeated runs stay fast.
set -euo pipefail
simserver=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)

mkdir -p "$work"
cp "$here/package.json" "$here/package-lock.json" "$here/tedious_conformance.js" "$work/"
stamp="$work/node_modules/.quelor-package-lock.json"
if [ ! -d "$work/node_modules" ] || ! cmp -s "$here/package-lock.json" "$stamp"; then
  (cd "$work" && npm ci --no-audit --no-fund --loglevel=error)
  cp "$here/package-lock.json" "$stamp"
fi

server_out="$work/simserver.out"
"$simserver" --port 0 >"$server_out" &
server=$!
trap 'kill -TERM "$server" 2>/dev/null && wait "$server" 2>/dev/null || true' EXIT
trap 'exit 143' TERM INT

port=
for _ in $(seq 300); do  # up to 30 s: a sanitizer build starts slowly
  port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$server_out")
  [ -n "$port" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "quelor-simserver did not report its port:" >&2
  cat "$server_out" >&2
  exit 1
fi

status=0
node "$work/tedious_conformance.js" --host 127.0.0.1 --port "$port" --user quelor --password demo \
  --database QUELORTMP1 || status=$?
exit "$status"
