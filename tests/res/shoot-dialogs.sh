#!/usr/bin/env bash
# Screenshot of the dialogs 151 (start and result texts) and 100 as built from their templates.
# Usage: shoot-dialogs.sh BUILD_DIR OUT.png   (DISPLAY must name a running X server)
set -euo pipefail
build=$(cd "${1:?usage: shoot-dialogs.sh BUILD_DIR OUT.png}" && pwd)
out=${2:?usage: shoot-dialogs.sh BUILD_DIR OUT.png}
here=$(cd "$(dirname "$0")" && pwd)
runner=$here/../../scripts/wine-run
cmake --build "$build" --target dialog_preview >/dev/null
exe=$(find "$build" -name dialog_preview.exe | head -n 1)
"$runner" --prefix "$build/wineprefix" "$exe" 12 &
preview=$!
sleep 8
import -display "$DISPLAY" -window root -crop 520x420+0+0 "$out"
wait "$preview"
echo "wrote $out"
