#!/bin/sh
# Fails when a source file includes a header of a layer above its own (or of a peer):
#   platform <- forms <- frame <- desktop <- session, demo <- home <- app
# Usage: check_layers.sh SOURCE_ROOT    or    check_layers.sh --self-test
set -u

# The project folders each folder may include from.
allowed() {
  case "$1" in
    platform) echo "platform" ;;
    forms) echo "platform forms" ;;
    frame) echo "platform forms frame" ;;
    desktop) echo "platform forms frame desktop" ;;
    session) echo "platform forms frame desktop session" ;;
    demo) echo "platform forms frame desktop demo" ;;
    home) echo "platform forms frame desktop session demo home" ;;
    app) echo "platform forms frame desktop session demo home app" ;;
  esac
}
project_folders="platform forms frame desktop session demo home app tests tools benchmarks"

check() {
  local root=$1 status=0 layer ok file target
  for layer in platform forms frame desktop session demo home app; do
    [ -d "$root/$layer" ] || continue
    ok=$(allowed "$layer")
    for file in "$root/$layer"/*.h "$root/$layer"/*.cpp; do
      [ -f "$file" ] || continue
      # Quoted includes only; the folder is the first path component.
      for target in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([A-Za-z0-9_]*\)\/.*/\1/p' "$file"); do
        case " $project_folders " in *" $target "*) ;; *) continue ;; esac
        case " $ok " in
          *" $target "*) ;;
          *)
            echo "$file: includes $target/, above or beside the $layer layer (use a hook set in app/)" >&2
            status=1
            ;;
        esac
      done
    done
  done
  return $status
}

if [ "${1:-}" = "--self-test" ]; then
  tmp=$(mktemp -d) || exit 1
  trap 'rm -rf "$tmp"' EXIT
  mkdir -p "$tmp/frame" "$tmp/home" "$tmp/demo"
  printf '#include "platform/strings.h"\n#include <string>\n' >"$tmp/frame/ok.cpp"
  printf '#include "session/question_bar.h"\n' >"$tmp/home/ok.cpp"
  check "$tmp" || { echo "self-test: a sound tree was refused" >&2; exit 1; }
  for bad in 'frame/bad.cpp:#include "home/home_screen.h"' 'demo/bad.h:  #  include "session/question_bar.h"'; do
    name=${bad%%:*}
    printf '%s\n' "${bad#*:}" >"$tmp/$name"
    if check "$tmp" 2>/dev/null; then echo "self-test: $name was let through" >&2; exit 1; fi
    rm "$tmp/$name"
  done
  echo "self-test passed"
  exit 0
fi

check "${1:-.}"
