#!/usr/bin/env bash
# Converts the pictures of assets/ui/ into the streamed bitmaps compiled into the screens
# (controller/ui/data/UI_PictureData.cpp and controller/ui/cache/UI_PictureData.h), so that the normal build needs neither the pictures nor the tool.
#   python3 tools/uiart/make_pictures.py     # redraws the PNG files
#   bash tools/uiart/convert.sh [png2stream]  # default: build/tools/png2stream/png2stream
set -euo pipefail
cd "$(dirname "$0")/../.."
tool=${1:-build/tools/png2stream/png2stream}
indexed="background logo title plate panel dialog tile"
src=controller/ui/data/UI_PictureData.cpp
hdr=controller/ui/cache/UI_PictureData.h
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
{
  echo "// The screens' built-in pictures as streamed bitmaps. Made by tools/uiart/convert.sh from assets/ui/; do not edit."
  echo "#include \"UI_PictureData.h\""
} >"$src"
{
  echo "// The screens' built-in pictures as streamed bitmaps. Made by tools/uiart/convert.sh from assets/ui/; do not edit."
  echo "#pragma once"
  echo
} >"$hdr"
for png in assets/ui/*.png; do
  base=$(basename "$png" .png)
  name=UI_acPic_$base
  format=A8_BGR565
  for i in $indexed; do [ "$i" = "$base" ] && format=Indexed; done
  "$tool" -f "$format" -c "$name" "$png" "$tmp/$base.cpp"
  grep -v '^//\|^extern' "$tmp/$base.cpp" >>"$src"
  echo "extern const unsigned char ${name}[];" >>"$hdr"
done
