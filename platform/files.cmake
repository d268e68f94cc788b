# The settings-file, picture-file and key-table sources of the platform layer, kept in a list
# of their own so that the platform library (and, until then, the tests) can take them in.
set(RALLIX_PLATFORM_FILES_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/sequential_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_code_table.cpp)
