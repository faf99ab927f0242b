# Plays 3000 passes of section STAGE with the headless runner, the hero
# walking ahead, tapping fire every 12 passes and changing lanes, and fails
# unless the digest of every draw and random state equals DIGEST (taken
# before the drawing code was sped up; nothing on screen may change).
set(timeline "${OUT}_input.txt")
set(lines "30 key down 39\n")
foreach(pass RANGE 12 3000 12)
  string(APPEND lines "${pass} key tap 90\n")
endforeach()
foreach(base RANGE 0 2500 500)
  math(EXPR up "${base} + 250")
  math(EXPR upEnd "${base} + 280")
  math(EXPR down "${base} + 400")
  math(EXPR downEnd "${base} + 430")
  string(APPEND lines "${up} key down 38\n${upEnd} key up 38\n${down} key down 40\n${downEnd} key up 40\n")
endforeach()
file(WRITE ${timeline} "${lines}")

execute_process(
  COMMAND ${EMULATOR} ${RUNNER} --data ${DATA} --stage ${STAGE} --passes 3000 --input ${timeline} --digest
  OUTPUT_FILE ${OUT}.json
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the runner failed with ${status}")
endif()
file(READ ${OUT}.json output)
string(REGEX MATCH "\"drawDigest\":\"([0-9a-f]+)\"" found "${output}")
if(NOT found)
  message(FATAL_ERROR "no drawDigest in the runner's output")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL DIGEST)
  message(FATAL_ERROR "section ${STAGE} draws differently: digest ${CMAKE_MATCH_1}, pinned ${DIGEST}")
endif()
