#!/usr/bin/env bash
# Regenerates every compiled font table of gui/core/fonts from the DejaVu faces of Debian's fonts-dejavu.
# Needs libfreetype-dev and fonts-dejavu-core; the normal build uses the committed tables.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${FONTGEN_BUILD:-/tmp/fontgen-build-$(id -u)}
dejavu=${DEJAVU_DIR:-/usr/share/fonts/truetype/dejavu}
cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" >/dev/null
gen() { "$build/fontgen" "$@"; }
out=$root/gui/core/fonts
# name          face                         px  ysize ydist baseline bpp  extra
gen GUI_Font13 "$dejavu/DejaVuSans.ttf"      11  13    13    11       1           >"$out/GUI_Font_GUI13.cpp"
gen GUI_Font8  "$dejavu/DejaVuSans.ttf"      7   8     8     7        1           >"$out/GUI_Font_GUI8.cpp"
gen UI_Font15  "$dejavu/DejaVuSans.ttf"      13  15    15    12       4           >"$out/GUI_Font_UI15.cpp"
gen UI_Font15B "$dejavu/DejaVuSans-Bold.ttf" 13  15    15    12       4           >"$out/GUI_Font_UI15B.cpp"
gen UI_Font15C "$dejavu/DejaVuSans.ttf"      13  15    15    12       4 tabular   >"$out/GUI_Font_UI15C.cpp"
gen UI_Font18  "$dejavu/DejaVuSans.ttf"      15  18    18    14       4           >"$out/GUI_Font_UI18.cpp"
gen UI_Font20  "$dejavu/DejaVuSans.ttf"      17  20    20    16       4           >"$out/GUI_Font_UI20.cpp"
gen UI_Font24  "$dejavu/DejaVuSans.ttf"      20  24    24    19       4           >"$out/GUI_Font_UI24.cpp"
