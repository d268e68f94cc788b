# Run by CPack between staging the install and building the .deb: Debian
# keeps games' programs in /usr/games, which its desktop sessions have on
# their PATH. From there the programs still find their data one folder up and
# over, in /usr/share/rallix, as they do from /usr/bin.
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${usr}/bin")
  message(FATAL_ERROR "no staged programs in ${usr}/bin")
endif()
file(RENAME "${usr}/bin" "${usr}/games")
