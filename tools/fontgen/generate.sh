#!/usr/bin/env bash
# Regenerates every compiled font table of gui/core/fonts from the DejaVu faces of Debian's fonts-dejavu.
# Needs libfreetype-dev and fonts-dejavu-core; the normal build uses the committed tables. The tables are
# replaced only once every one was made.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${FONTGEN_BUILD:-/tmp/fontgen-build-$(id -u)}
dejavu=${DEJAVU_DIR:-/usr/share/fonts/truetype/dejavu}
source "$root/tools/lib/outputs.sh"
cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" >/dev/null
out=$root/gui/core/fonts
outputs_begin "$out"/GUI_Font_{GUI13,GUI8,UI15,UI15B,UI15C,UI18,UI20,UI24}.cpp
gen() { # table, fontgen's arguments...
  local table=$1
  shift
  "$build/fontgen" "$@" >"$(outputs_new "$out/$table")"
}
#   table               name       face                         px  ysize ydist baseline bpp  extra
gen GUI_Font_GUI13.cpp GUI_Font13 "$dejavu/DejaVuSans.ttf"      11  13    13    11       1
gen GUI_Font_GUI8.cpp  GUI_Font8  "$dejavu/DejaVuSans.ttf"      7   8     8     7        1
gen GUI_Font_UI15.cpp  UI_Font15  "$dejavu/DejaVuSans.ttf"      13  15    15    12       4
gen GUI_Font_UI15B.cpp UI_Font15B "$dejavu/DejaVuSans-Bold.ttf" 13  15    15    12       4
gen GUI_Font_UI15C.cpp UI_Font15C "$dejavu/DejaVuSans.ttf"      13  15    15    12       4 tabular
gen GUI_Font_UI18.cpp  UI_Font18  "$dejavu/DejaVuSans.ttf"      15  18    18    14       4
gen GUI_Font_UI20.cpp  UI_Font20  "$dejavu/DejaVuSans.ttf"      17  20    20    16       4
gen GUI_Font_UI24.cpp  UI_Font24  "$dejavu/DejaVuSans.ttf"      20  24    24    19       4
outputs_commit
