# Runs the headless runner twice with the same options and fails unless both
# runs print the same state.
foreach(run 1 2)
  execute_process(
    COMMAND ${EMULATOR} ${RUNNER} --data ${DATA} --stage 6 --passes 1500 --ticks-per-pass 2
            --input ${INPUT} --dump 1,250,700,1200
    OUTPUT_FILE ${OUT}_${run}.json
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "run ${run} failed with ${status}")
  endif()
endforeach()
file(READ ${OUT}_1.json first)
file(READ ${OUT}_2.json second)
string(LENGTH "${first}" size)
if(size LESS 1000)
  message(FATAL_ERROR "the runner printed too little: ${size} bytes")
endif()
if(NOT first STREQUAL second)
  message(FATAL_ERROR "two runs with the same options printed different state")
endif()
string(REGEX MATCHALL "\"at\":\"[a-z -]+\"" points "${first}")
list(LENGTH points count)
if(NOT count EQUAL 5)
  message(FATAL_ERROR "expected four listed passes and the end, got ${count}: ${points}")
endif()
