#!/usr/bin/env bash
# Screenshots of the start notice, the result notice for 7.25 s and the About box under Wine.
# Usage: shots.sh BUILD_DIR OUT_DIR   (needs DISPLAY; the build's dialog_tests.exe must exist)
# The test DialogShots holds each dialog open until its picture is taken here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
: "${DISPLAY:?shots.sh needs an X display}"

sync_dir=$(mktemp -d /tmp/pelmo-shots.XXXXXX)
trap 'rm -rf "$sync_dir"' EXIT
export PELMO_SHOT_DIR="Z:${sync_dir//\//\\}"

"$here/../../../scripts/wine-run" --prefix "$build/wineprefix" "$build/tests/gui/dialogs/dialog_tests.exe" \
  --gtest_filter='DialogShots.*' &
test_pid=$!

for name in start-notice result-notice about-box; do
  for _ in $(seq 600); do
    [ -e "$sync_dir/$name.ready" ] && break
    kill -0 "$test_pid" 2>/dev/null || { echo "dialog_tests ended before $name" >&2; exit 1; }
    sleep 0.1
  done
  sleep 0.5    # let the dialog finish painting
  import -display "$DISPLAY" -window root "$out/$name.png"
  touch "$sync_dir/$name.done"
  echo "$out/$name.png"
done
wait "$test_pid"
