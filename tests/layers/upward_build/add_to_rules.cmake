# Read after project() by the layer test's configure of the whole game
# (CMAKE_PROJECT_INCLUDE): once every library is defined, rules_reaches_up.cpp
# joins the rules library, as a source of that folder would.
set(rallix_upward_header ${CMAKE_SOURCE_DIR}/frontend/full_game.h)
if(NOT EXISTS ${rallix_upward_header})
  # Otherwise the compile would fail for want of the file, not of the path.
  message(FATAL_ERROR "${rallix_upward_header} is gone: name another frontend header")
endif()
# A deferred call reads its arguments when it runs, from the top folder.
set(rallix_upward_source ${CMAKE_CURRENT_LIST_DIR}/rules_reaches_up.cpp)
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL
  target_sources rallix_rules PRIVATE ${rallix_upward_source})
