# Set-up and everyday commands. `make run` / `make run-one` / `make test` install
# what is missing on a Debian machine, build, then play or test.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

PACKAGES := g++ make cmake pkg-config libsdl2-dev libsdl2-ttf-dev libenet-dev \
	libfontconfig-dev fonts-comic-neue fonts-dejavu-core fonts-urw-base35 \
	libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick openbox \
	clang libclang-rt-14-dev libx11-dev x11-xserver-utils \
	help2man dpkg-dev file lintian desktop-file-utils appstream python3

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PREFIX ?= /usr/local

.PHONY: all deps build run run-one test test-sanitize bench clean install package

all: build

# Installs only what is missing, so a ready machine pays nothing.
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The programs run from the build's run folder, where "b.wav" sits and where
# they write their settings and picture files.
run: build
	cd $(BUILD)/run && ./rallix

run-one: build
	cd $(BUILD)/run && ./rallix-one

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test BUILD=$(SANITIZE_BUILD) \
	  CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Debug -DRALLIX_SANITIZE=ON -DRALLIX_BUILD_BENCH=OFF"

# The programs, the hit sound, desktop entries, icons, metainfo and manual
# pages under PREFIX; the installed programs find the hit sound from anywhere.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)/, its dependencies read off the programs.
package: build
	cd $(BUILD) && cpack -G DEB

# Every figure beside the bare SDL2 floor it is measured against, in one run.
bench: build
	bench/run_bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)

# The browser build: both programs as pages in $(WEB_BUILD), on SDL2 and
# friends that web/deps.sh builds from Debian's sources once per machine,
# outside this tree. emcc needs Debian's node modules whichever node runs it.
WEB_BUILD ?= build-web
WEB_PORT ?= 8080

.PHONY: web run-web test-web clean-web

web test-web run-web: export NODE_PATH := /usr/share/nodejs

web: deps
	@mkdir -p $(WEB_BUILD) && prefix=$$(JOBS=$(JOBS) bash web/deps.sh) && prefix=$$(echo "$$prefix" | tail -1) && \
	  emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release \
	    -DRALLIX_WEB_PREFIX="$$prefix" >$(WEB_BUILD)/configure.log 2>&1 || \
	  { cat $(WEB_BUILD)/configure.log; exit 1; }
	cmake --build $(WEB_BUILD) -j $(JOBS)

run-web: web
	@echo "Serving $(WEB_BUILD) on 127.0.0.1; Ctrl-C stops it. Open:"
	@echo "  http://127.0.0.1:$(WEB_PORT)/rallix.html      (the full game)"
	@echo "  http://127.0.0.1:$(WEB_PORT)/rallix-one.html  (the first edition)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_BUILD)

# Each page in headless Chromium: menu, a match, a key, Esc, the saved file.
test-web: web
	ctest --test-dir $(WEB_BUILD) --output-on-failure -L web


clean: clean-web
clean-web:
	rm -rf $(WEB_BUILD)
