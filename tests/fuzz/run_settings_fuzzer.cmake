# Builds the settings fuzzer and runs it for a while:
#   BUILD_DIR  the build folder          FUZZER  the fuzzer it builds there
#   CORPUS     grown corpus (written)    SEEDS   seed files (only read)
#   DICT       libFuzzer dictionary      SECONDS how long to fuzz
execute_process(
  COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target settings_fuzzer
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "building the settings fuzzer failed:\n${out}")
endif()

file(MAKE_DIRECTORY ${CORPUS})
get_filename_component(fuzz_dir ${FUZZER} DIRECTORY)
# The fuzzer's scratch files go to the temporary folder, /dev/shm where there is one: in
# memory they cost no disk sync, which nearly triples the inputs tried in the same time.
set(scratch)
set(probe /dev/shm/rallix-settings-fuzz-probe)
execute_process(COMMAND ${CMAKE_COMMAND} -E touch ${probe} RESULT_VARIABLE touched
  OUTPUT_QUIET ERROR_QUIET)
if(touched EQUAL 0)
  file(REMOVE ${probe})
  set(scratch TMPDIR=/dev/shm)
endif()
# A finding leaves its input as ${fuzz_dir}/crash-..., timeout-... or leak-...
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ${scratch}
          ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -dict=${DICT}
          -artifact_prefix=${fuzz_dir}/ -print_final_stats=1 ${CORPUS} ${SEEDS}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  string(LENGTH "${out}" length)
  if(length GREATER 6000)
    math(EXPR start "${length} - 6000")
    string(SUBSTRING "${out}" ${start} -1 out)
  endif()
  message(FATAL_ERROR "the settings fuzzer found a problem (exit status ${status}):\n${out}")
endif()
string(REGEX MATCH "#[0-9]+[\t ]+DONE[^\n]*" done "${out}")
string(REGEX MATCH "stat::number_of_executed_units: [0-9]+" units "${out}")
message(STATUS "settings fuzzer: ${done}; ${units}")
