#!/usr/bin/env bash
# Converts the pictures of assets/ui/ into the streamed bitmaps compiled into the screens
# (controller/ui/data/UI_PictureData.cpp and controller/ui/cache/UI_PictureData.h), so that the normal build
# needs neither the pictures nor the tool. Both files are replaced only once every picture converted.
#   python3 tools/uiart/make_pictures.py     # redraws the PNG files
#   bash tools/uiart/convert.sh [png2stream]  # default: build/tools/png2stream/png2stream, built first
set -euo pipefail
given=${1:+$(realpath -m -- "$1")}  # a converter named on the command line, from the folder it was named in
cd "$(dirname "$0")/../.."
source tools/lib/outputs.sh
indexed="background logo title plate panel dialog tile"
src=controller/ui/data/UI_PictureData.cpp
hdr=controller/ui/cache/UI_PictureData.h
how="build it with: cmake --build build --target png2stream
(the build folder and the libraries it needs come with 'bash build.sh run')"

# The converter is found, or built, before anything is written.
if [ -n "$given" ]; then
  tool=$given
else
  tool=build/tools/png2stream/png2stream
  if [ -f build/CMakeCache.txt ] && command -v cmake >/dev/null; then
    if ! log=$(cmake --build build --target png2stream 2>&1); then
      printf '%s\n' "$log" >&2
      echo "convert.sh: the converter could not be built; nothing was changed" >&2
      exit 1
    fi
  fi
fi
if [ ! -x "$tool" ]; then
  echo "convert.sh: there is no converter at $tool; nothing was changed. To get it, $how." >&2
  exit 1
fi

outputs_begin "$src" "$hdr"
banner="// The screens' built-in pictures as streamed bitmaps. Made by tools/uiart/convert.sh from assets/ui/; do not edit."
printf '%s\n#include "UI_PictureData.h"\n' "$banner" >"$(outputs_new "$src")"
printf '%s\n#pragma once\n\n' "$banner" >"$(outputs_new "$hdr")"
for png in assets/ui/*.png; do
  base=$(basename "$png" .png)
  name=UI_acPic_$base
  format=A8_BGR565
  for i in $indexed; do [ "$i" = "$base" ] && format=Indexed; done
  "$tool" -f "$format" -c "$name" "$png" "$outputs_scratch/$base.cpp"
  grep -v '^//\|^extern' "$outputs_scratch/$base.cpp" >>"$(outputs_new "$src")"
  echo "extern const unsigned char ${name}[];" >>"$(outputs_new "$hdr")"
done
outputs_commit
