#!/usr/bin/env bash
# install_tree_test.sh BUILD-FOLDER REPLAY: installs the build into a scratch
# prefix and checks what a desktop and a player find there.
set -euo pipefail
build=$1
replay=$(realpath "$2")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/rallix-install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"

fail() {
  echo "FAIL: $1" >&2
  echo "  expected: $2" >&2
  echo "  saw:      $3" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

sizes=(16 24 32 48 64 128 256)
expected=(bin/rallix bin/rallix-one share/rallix/b.wav
  share/applications/org.rallix.rallix.desktop share/applications/org.rallix.rallix_one.desktop
  share/metainfo/org.rallix.rallix.metainfo.xml share/doc/rallix/copyright
  share/doc/rallix/changelog.gz)
if command -v help2man >/dev/null; then
  expected+=(share/man/man6/rallix.6.gz share/man/man6/rallix-one.6.gz)
fi
for size in "${sizes[@]}"; do
  for id in org.rallix.rallix org.rallix.rallix_one; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
  done
done
missing=()
for file in "${expected[@]}"; do
  [[ -f "$prefix/$file" ]] || missing+=("$file")
done
((${#missing[@]} == 0)) || fail "the installed files" "${expected[*]}" "missing: ${missing[*]}"
echo "installed: ${#expected[@]} files"

# Each icon a PNG of its size, with see-through corners and an opaque middle.
if command -v identify >/dev/null; then
  for size in "${sizes[@]}"; do
    for id in org.rallix.rallix org.rallix.rallix_one; do
      icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
      seen=$(identify -format '%m %w %h %[fx:p[0,0].a] %[fx:p[w/2,h/2].a]' "$icon")
      [[ "$seen" == "PNG $size $size 0 1" ]] ||
        fail "$id at $size" "PNG $size $size, corner alpha 0, centre alpha 1" "$seen"
    done
  done
  echo "icons: PNG in ${#sizes[@]} sizes, each with see-through corners"
fi

if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$prefix"/share/applications/*.desktop 2>&1) || true
  [[ -z "$out" ]] || fail "desktop-file-validate" "no report" "$out"
fi
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate-tree --no-net --pedantic "$prefix" 2>&1) || true
  grep -q '^✔ Validation was successful\.$' <<<"$out" && ! grep -qE '^[EWIP]: ' <<<"$out" ||
    fail "appstreamcli validate-tree" "a clean validation" "$out"
fi

# Played from a folder that holds no b.wav, and again with --user-folder: the
# match loads the hit sound from the prefix's share/rallix either way.
elsewhere="$scratch/elsewhere"
mkdir -p "$elsewhere"
for options in "" "--user-folder"; do
  # shellcheck disable=SC2086
  out=$(cd "$elsewhere" && env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    XDG_DATA_HOME="$scratch/data" "$prefix/bin/rallix-one" $options --replay "$replay" 2>&1) ||
    fail "rallix-one $options --replay, started in $elsewhere" "exit 0" "$out"
  [[ "$out" == esc ]] || fail "rallix-one $options --replay" "esc" "$out"
done
[[ -z "$(ls -A "$elsewhere")" ]] || fail "nothing written where it started" "an empty folder" \
  "$(ls -A "$elsewhere")"
[[ -d "$scratch/data/rallix/rallix-one" ]] ||
  fail "--user-folder" "$scratch/data/rallix/rallix-one made" "no such folder"
echo "the installed rallix-one played a replay from an unrelated folder, and from its user folder"
echo "PASS"
