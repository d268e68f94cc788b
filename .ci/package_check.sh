#!/usr/bin/env bash
# The Debian package as a player gets it: built, checked by lintian, installed
# on this machine, its desktop entries and metainfo validated where they were
# installed, rallix-one played from the desktop entry's command in an
# unrelated folder, and removed again, leaving /usr as it found it.
# Needs root (it installs the package) and refuses to touch a rallix package
# that was installed before it started.
set -euo pipefail
[[ "$(id -u)" == 0 ]] || exec sudo --preserve-env bash "$0" "$@"
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

installed() { dpkg-query -W -f='${Status}' rallix 2>/dev/null | grep -q 'ok installed'; }

echo "== make package"
rm -f "$BUILD"/rallix_*.deb
make package BUILD="$BUILD"
debs=("$BUILD"/rallix_*.deb)
((${#debs[@]} == 1)) && [[ -f "${debs[0]}" ]] || fail "one package in $BUILD: ${debs[*]}"
deb=$(realpath "${debs[0]}")
dpkg-deb --field "$deb" Package Version Depends Recommends

echo "== lintian"
lintian --fail-on error "$deb" || fail "lintian reports errors"

installed && fail "a rallix package is installed already; remove it first"
snapshot() { find /usr -xdev -print | LC_ALL=C sort; }
before=$(mktemp)
after=$(mktemp)
snapshot >"$before"
removePackage() {
  if installed; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq rallix >/dev/null
  fi
}
trap 'removePackage; rm -f "$before" "$after"' EXIT

echo "== install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
installed || fail "rallix installed"

echo "== validate the installed desktop entries and metainfo"
out=$(desktop-file-validate /usr/share/applications/org.rallix.rallix.desktop \
  /usr/share/applications/org.rallix.rallix_one.desktop 2>&1) || fail "desktop-file-validate: $out"
[[ -z "$out" ]] || fail "desktop-file-validate reports: $out"
out=$(appstreamcli validate --no-net --pedantic /usr/share/metainfo/org.rallix.rallix.metainfo.xml 2>&1) ||
  fail "appstreamcli: $out"
grep -qE '^[EWIP]: ' <<<"$out" && fail "appstreamcli reports: $out"
echo "    both clean"

echo "== the installed programs"
(cd / && /usr/games/rallix --version && /usr/games/rallix-one --version)
bash .ci/installed_game_test.sh

echo "== remove"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq rallix >/dev/null
installed && fail "rallix removed"
snapshot >"$after"
changes=$(diff "$before" "$after" || true)
[[ -z "$changes" ]] || fail "/usr as before the install; it differs: $changes"
echo "    removed; /usr holds the same $(wc -l <"$after") paths as before the install"
