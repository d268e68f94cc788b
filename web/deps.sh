#!/usr/bin/env bash
# Everything the browser build needs, installed and built once per machine:
# Debian's emscripten and chromium, and SDL2, freetype and SDL2_ttf compiled
# for the browser from Debian's own source packages into a private prefix
# outside the source tree. The compiler's "ports" would fetch
# these from the internet, which the build must never need.
#
# Prints the prefix as its last line. A prefix is reused while the three source
# versions (and the compiler's) are the ones it was built from.
set -euo pipefail

CACHE="${RALLIX_WEB_CACHE:-$HOME/.cache/rallix-web}"
JOBS="${JOBS:-2}"
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

log() { echo "web deps: $*" >&2; }

# --- Debian packages ------------------------------------------------------
PACKAGES="emscripten chromium dpkg-dev cmake make python3 fonts-comic-neue fonts-dejavu-core fonts-urw-base35"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
# Node runs the compiler's tools and the browser test; any node >= 18 does.
command -v node >/dev/null || missing="$missing nodejs"
command -v npm >/dev/null || missing="$missing npm"

# `apt-get source` needs a deb-src line for the archive the binaries come
# from: copy the system's own entries with the type changed.
DEBSRC=/etc/apt/sources.list.d/rallix-deb-src.sources
added_src=0
if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $SUDO tee "$DEBSRC" >/dev/null
  else
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $SUDO tee "${DEBSRC%.sources}.list" >/dev/null
  fi
  added_src=1
fi
if [ -n "$missing" ] || [ "$added_src" = 1 ]; then
  log "installing:${missing:- (source lists only)}"
  $SUDO apt-get update -qq
  [ -z "$missing" ] || $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

# --- the four libraries, from source --------------------------------------
source_version() { apt-cache showsrc "$1" 2>/dev/null | awk '/^Version:/ {print $2}' | sort -V | tail -1; }
# A deb-src entry whose lists were never fetched knows no source yet.
if [ -z "$(source_version libsdl2)" ]; then
  $SUDO apt-get update -qq
fi
EMCC_VERSION=$(dpkg-query -W -f='${Version}' emscripten)
V_SDL=$(source_version libsdl2)
V_FT=$(source_version freetype)
V_TTF=$(source_version libsdl2-ttf)
for v in "$V_SDL" "$V_FT" "$V_TTF"; do
  [ -n "$v" ] || { log "apt knows no source package for SDL2, freetype or SDL2_ttf"; exit 1; }
done
KEY=$(echo "emscripten-$EMCC_VERSION sdl2-$V_SDL freetype-$V_FT ttf-$V_TTF" | sed 's/ /_/g; s/[~:+]/-/g')
PREFIX="$CACHE/$KEY"

# The browser test drives Debian's chromium with puppeteer-core, which
# downloads no browser of its own; pinned to a release that runs on Node 20.
PUPPETEER_CORE=24.43.1
test_tools() {
  local dir="$PREFIX/test-tools"
  if [ "$(cat "$dir/.version" 2>/dev/null)" != "$PUPPETEER_CORE" ]; then
    log "installing puppeteer-core $PUPPETEER_CORE"
    rm -rf "$dir"
    mkdir -p "$dir"
    npm install --prefix "$dir" --no-audit --no-fund --silent "puppeteer-core@$PUPPETEER_CORE" >&2
    echo "$PUPPETEER_CORE" >"$dir/.version"
  fi
}

if [ -f "$PREFIX/.complete" ]; then
  log "reusing $PREFIX"
  test_tools
  echo "$PREFIX"
  exit 0
fi

# emcc wants the Debian node modules it was packaged with (acorn) when the
# node on PATH is not Debian's own.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

WORK="$CACHE/src-$KEY"
rm -rf "$WORK" "$PREFIX"
mkdir -p "$WORK" "$PREFIX"
# apt fetches as its own user where it can write.
chmod 777 "$WORK"
cd "$WORK"
log "fetching sources: libsdl2 $V_SDL, freetype $V_FT, libsdl2-ttf $V_TTF"
apt-get source -qq --download-only "libsdl2=$V_SDL" "freetype=$V_FT" "libsdl2-ttf=$V_TTF" >/dev/null
for dsc in *.dsc; do
  dpkg-source --no-check -x "$dsc" >/dev/null
done

build() {  # build NAME SOURCE-DIR CMAKE-OPTIONS...
  local name=$1 src=$2
  shift 2
  log "building $name"
  emcmake cmake -S "$src" -B "$WORK/build-$name" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_PREFIX_PATH="$PREFIX" \
    -DCMAKE_FIND_ROOT_PATH="$PREFIX" "$@" >"$WORK/$name.log" 2>&1 ||
    { tail -40 "$WORK/$name.log" >&2; exit 1; }
  cmake --build "$WORK/build-$name" -j "$JOBS" >>"$WORK/$name.log" 2>&1 &&
    cmake --install "$WORK/build-$name" >>"$WORK/$name.log" 2>&1 ||
    { tail -40 "$WORK/$name.log" >&2; exit 1; }
}

build sdl2 "$(ls -d libsdl2-2*/ | head -1)" \
  -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_TESTS=OFF
build freetype "$(ls -d freetype-*/ | head -1)" \
  -DBUILD_SHARED_LIBS=OFF -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
build sdl2_ttf "$(ls -d libsdl2-ttf-*/ | head -1)" \
  -DBUILD_SHARED_LIBS=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF \
  -DSDL2_DIR="$PREFIX/lib/cmake/SDL2"

touch "$PREFIX/.complete"
cd "$CACHE"
rm -rf "$WORK"
test_tools
log "built into $PREFIX"
echo "$PREFIX"
