# Sourced by the generators that rewrite committed files. Each output is made beside its place, as ".NAME.new" in
# the same folder, and all of them are moved in together by outputs_commit once every one was made: a generator
# that fails or is stopped leaves the committed files as they were, and none of its half-made ones behind.
#   source tools/lib/outputs.sh
#   outputs_begin a/x.cpp b/y.h           # the files to replace; also makes the folder $outputs_scratch
#   ... >"$(outputs_new a/x.cpp)" ...     # write each one here
#   outputs_commit
# The helper owns the EXIT trap: it removes what was not moved in, and the scratch folder.

_outputs=()
outputs_scratch=

outputs_new() { # file -> where it is made
  printf '%s/.%s.new\n' "$(dirname "$1")" "$(basename "$1")"
}

_outputs_discard() {
  local f
  if ((${#_outputs[@]})); then
    echo "$(basename "$0"): stopped before every output was made; the files it replaces are left as they were" >&2
  fi
  for f in "${_outputs[@]}"; do
    rm -f "$(outputs_new "$f")"
  done
  [ -z "$outputs_scratch" ] || rm -rf "$outputs_scratch"
}

outputs_begin() { # files...
  _outputs=("$@")
  outputs_scratch=$(mktemp -d)
  trap _outputs_discard EXIT
  local f
  for f in "${_outputs[@]}"; do
    : >"$(outputs_new "$f")"
  done
}

outputs_commit() {
  local f
  for f in "${_outputs[@]}"; do
    mv -f "$(outputs_new "$f")" "$f"
  done
  _outputs=()
}
