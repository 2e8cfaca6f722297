#!/usr/bin/env bash
# run-demo.sh BUILD-DIR [ADDON-HOST OPTIONS...]: runs addon-host with the add-on on the sample
# catalogue in a fresh data folder, BUILD-DIR/demo/addon; a Windows build's under Wine. With a
# display, the host's window opens; without one, hostapp/demo.script runs on a virtual display
# and the files it made are listed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd); shift
demo=$build/demo
if [ -f "$build/bin/addon-host.exe" ]; then
  . "$here/../tools/wine-env.sh"
  host=(/usr/lib/wine/wine64 "$build/bin/addon-host.exe")
  library=tarnova.dll
  # Wine's own processes leave the display before it closes.
  within=(bash -c '"$@"; status=$?; /usr/lib/wine/wineserver -w; exit $status' within)
else
  host=("$build/hostapp/addon-host")
  library=libtarnova.so
  within=()
fi

rm -rf "$demo"
mkdir -p "$demo/addon"
cp "$build/addon/$library" "$demo/addon/"
cp -R "$build/sample/." "$demo/addon/"

if [ -n "${DISPLAY:-}" ]; then
  exec "${host[@]}" --report "$demo/report.json" "$@" "$demo/addon/$library"
fi

cd "$demo"
bash "$here/../tools/virtual-display.sh" \
  "${within[@]}" "${host[@]}" --script "$here/demo.script" --report "$demo/report.json" "$@" "$demo/addon/$library"

echo
echo "report:      $demo/report.json"
echo "screenshots: $demo/*.png"
ls -1 "$demo"/*.png | sed 's/^/  /'
echo "states:"
ls -1 "$demo"/[0-9]*.json | sed 's/^/  /'
echo "textures:    $demo/addon/Tarnova anyagok"
ls -1 "$demo/addon/Tarnova anyagok" | sed 's/^/  /'
