#!/usr/bin/env bash
# Reads every #include "..." line of the source tree and fails when one points
# up a layer or sideways into a peer, or when SDL is included outside the
# platform layer and the test-only support. Usage: check_includes.sh SOURCE_ROOT
set -euo pipefail
root="${1:?usage: check_includes.sh SOURCE_ROOT}"

# What each layer may include besides itself. A layer left out of a list is
# one it must not see; tests/ may include anything and is not read.
declare -A may_include=(
  [core]=""
  [platform/detail]="core"
  [platform/time]="core platform/detail"
  [platform/files]="core platform/detail"
  [platform/audio]="core platform/detail"
  [platform/devices]="core platform/detail platform/time"
  [platform/video]="core platform/detail platform/time"
  [platform/forms]="core platform/detail platform/time platform/files platform/audio platform/devices platform/video"
  [art]="core"
  [rules]="core"
  [input]="core platform"
  [settings]="core platform rules"
  [replay]="core platform art rules settings"
  [match]="core platform art rules input settings replay"
  [net]="core platform art rules input settings replay match"
  [frontend]="core platform art rules input settings replay match net"
  [first_edition]="core platform art rules input settings replay match"
  [apps]="core platform art rules input settings replay match net frontend first_edition"
  [tools]="core platform art rules settings replay"
  [bench]="core platform art rules input settings replay match net"
)
# Folders where SDL's own headers may appear: the platform layer, the tests'
# device stand-ins, and the bare SDL2 floor the benchmarks measure us against.
sdl_allowed_re='^(platform|tests/support|bench/floor)/'
# ENet, the network transport, stays inside net/.
enet_allowed_re='^(net|tests/net)/'

# platform/video/display.h -> platform/video; rules/x.h -> rules.
layer_of() {
  local path="$1" top="${1%%/*}"
  if [[ "$top" == platform && "$path" == platform/*/* ]]; then
    local rest="${path#platform/}"
    echo "platform/${rest%%/*}"
  else
    echo "$top"
  fi
}

# Whether layer $1 may include layer $2 ("platform" in a list admits all of it).
allowed() {
  local from="$1" to="$2" entry
  [[ "$from" == "$to" ]] && return 0
  for entry in ${may_include[$from]}; do
    [[ "$to" == "$entry" || "$to" == "$entry"/* ]] && return 0
  done
  return 1
}

failures=0
cd "$root"
while IFS= read -r file; do
  from="$(layer_of "$file")"
  [[ -v "may_include[$from]" ]] || continue
  line_number=0
  while IFS= read -r line; do
    line_number=$((line_number + 1))
    if [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
      target="${BASH_REMATCH[1]}"
      [[ "$target" == */* ]] || continue
      to="$(layer_of "$target")"
      if ! allowed "$from" "$to"; then
        echo "$file:$line_number: $from must not include $target (layer $to)"
        failures=$((failures + 1))
      fi
    elif [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<SDL ]] &&
         ! [[ "$file" =~ $sdl_allowed_re ]]; then
      echo "$file:$line_number: SDL is included outside platform/"
      failures=$((failures + 1))
    elif [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<enet/ ]] &&
         ! [[ "$file" =~ $enet_allowed_re ]]; then
      echo "$file:$line_number: ENet is included outside net/"
      failures=$((failures + 1))
    fi
  done < "$file"
done < <(find . -path ./build\* -prune -o -path ./tests -prune -o \
           \( -name '*.h' -o -name '*.cpp' \) -type f -print | sed 's#^\./##' | sort)

if ((failures > 0)); then
  echo "check_includes: $failures include(s) break the layering"
  exit 1
fi
echo "check_includes: every include points down a layer"
