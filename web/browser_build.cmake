# The browser build, configured with `emcmake cmake` (see `make web`).
#
# SDL2 and SDL2_ttf (with freetype) come from the private prefix
# web/deps.sh builds from Debian's sources. The compiler ships its own SDL2
# CMake files that point at its internet "ports", so every package is named
# by its folder in the prefix; ports (-sUSE_SDL...) are never used.

set(RALLIX_WEB_PREFIX "" CACHE PATH "Where web/deps.sh put SDL2 and friends built for the browser")
if(NOT EXISTS "${RALLIX_WEB_PREFIX}/.complete")
  message(FATAL_ERROR "RALLIX_WEB_PREFIX must name a prefix made by web/deps.sh (make web does this)")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH "${RALLIX_WEB_PREFIX}")
set(SDL2_DIR "${RALLIX_WEB_PREFIX}/lib/cmake/SDL2")
set(SDL2_ttf_DIR "${RALLIX_WEB_PREFIX}/lib/cmake/SDL2_ttf")
set(freetype_DIR "${RALLIX_WEB_PREFIX}/lib/cmake/freetype")
find_package(SDL2 CONFIG REQUIRED)
find_package(SDL2_ttf CONFIG REQUIRED)
set(RALLIX_WEB_SDL_LIBRARIES SDL2_ttf::SDL2_ttf-static SDL2::SDL2-static)

# Runs the build's own tools and the browser test.
find_program(RALLIX_NODE node REQUIRED NO_CMAKE_FIND_ROOT_PATH)

# The pages, their data and the hit sound go straight into the build folder,
# which `make run-web` serves.
set(RALLIX_RUN_DIR ${CMAKE_BINARY_DIR})
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The game reports failures by throwing; wasm builds turn exceptions off
# unless asked.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1)

# The stand-in fonts the desktop finds through fontconfig, packed with the
# page (each file names its own family; platform/video/packed_fonts.cpp).
set(RALLIX_WEB_FONTS
  /usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf
  /usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf
  /usr/share/fonts/opentype/urw-base35/P052-Roman.otf
  /usr/share/fonts/opentype/urw-base35/P052-Bold.otf
  /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
  /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf)
set(RALLIX_WEB_FONT_DIR ${CMAKE_BINARY_DIR}/page-files/fonts)
foreach(font ${RALLIX_WEB_FONTS})
  if(NOT EXISTS ${font})
    message(FATAL_ERROR "${font} is missing: make deps installs the fonts")
  endif()
  file(COPY ${font} DESTINATION ${RALLIX_WEB_FONT_DIR})
endforeach()

set(RALLIX_WEB_DIR ${CMAKE_CURRENT_LIST_DIR})

# rallix_web_page(TARGET TITLE): the program becomes TARGET.html on a page of
# our own (web/page.html.in), with TARGET.js, .wasm and .data beside it.
function(rallix_web_page target title)
  set(RALLIX_PAGE_TITLE "${title}")
  set(shell ${CMAKE_BINARY_DIR}/page-files/${target}-shell.html)
  configure_file(${RALLIX_WEB_DIR}/page.html.in ${shell} @ONLY)
  set(deps ${shell} ${RALLIX_WEB_DIR}/page_support.js ${RALLIX_RUN_DIR}/b.wav ${RALLIX_WEB_FONTS})
  set_target_properties(${target} PROPERTIES SUFFIX ".html" LINK_DEPENDS "${deps}")
  # "SHELL:" keeps each option with its value (CMake folds repeated words).
  target_link_options(${target} PRIVATE
    "SHELL:--shell-file ${shell}"
    "SHELL:--pre-js ${RALLIX_WEB_DIR}/page_support.js"
    # Without this the compiler wants an HTML minifier from the internet.
    -sMINIFY_HTML=0
    -lidbfs.js
    -sFORCE_FILESYSTEM=1
    -sEXIT_RUNTIME=0
    # CMake would mangle the "$" in these names, so they come from files.
    "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${RALLIX_WEB_DIR}/library_funcs.json"
    "-sEXPORTED_RUNTIME_METHODS=@${RALLIX_WEB_DIR}/runtime_methods.json"
    # The hit sound beside the program (where FindDataFile looks), the fonts
    # in /fonts.
    "SHELL:--preload-file ${RALLIX_RUN_DIR}/b.wav@/b.wav"
    "SHELL:--preload-file ${RALLIX_WEB_FONT_DIR}@/fonts")
endfunction()
