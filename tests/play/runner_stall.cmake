# The tools end every run by themselves (CTest's time limit catches a run that
# does not).
#   MODE section: a --stage run with no input stops when its section ends in
#     game over, before the results screen, with status 0.
#   MODE results: a run from the start whose game ends in game over after
#     its timeline has ended stops on the results screen: "stalled", status 2.
#   MODE title: the timeline's last event changes the control layout on the
#     title, which then waits for a start that never comes: "stalled".
#   MODE pause: the pause is opened and never closed: "stalled".
#   TOOL is the headless runner, or the screenshot tool (pause only); a
#   cross build runs it through EMULATOR.
# Every mode but section ends "stalled", status 2, with result 0 unless it says.
set(timeline "${OUT}_input.txt")
set(want_status 2)
set(want_at "stalled")
set(want_result 0)
if(MODE STREQUAL "section")
  file(WRITE ${timeline} "")
  set(args --stage 6 --passes 100000)
  set(want_status 0)
  set(want_at "section ended")
  set(want_result 2)
elseif(MODE STREQUAL "results")
  file(WRITE ${timeline} "@90000 key tap 90\n")
  set(args --from-start --passes 100000)
  set(want_result 2)
elseif(MODE STREQUAL "title")
  file(WRITE ${timeline} "@90000 key tap 88\n")
  set(args --from-start --passes 100000)
elseif(MODE STREQUAL "pause")
  file(WRITE ${timeline} "50 key down 80\n51 key up 80\n")
  set(args --stage 3 --dump 1)
else()
  message(FATAL_ERROR "MODE must be section, results, title or pause")
endif()

execute_process(
  COMMAND ${EMULATOR} ${TOOL} --data ${DATA} --input ${timeline} ${args}
  OUTPUT_FILE ${OUT}.json
  ERROR_VARIABLE said
  RESULT_VARIABLE status)
file(READ ${OUT}.json state)

# The state printed at the end is the last line.
string(REGEX MATCHALL "\"at\":\"[a-z -]+\"" points "${state}")
list(GET points -1 at)
string(REGEX MATCHALL "\"result\":-?[0-9]+" results "${state}")
list(GET results -1 result)
message(STATUS "status ${status}, ${at}, ${result}")

if(NOT status EQUAL want_status)
  message(FATAL_ERROR "expected status ${want_status}, got ${status}: ${said}")
endif()
if(NOT at STREQUAL "\"at\":\"${want_at}\"")
  message(FATAL_ERROR "expected the run to end at \"${want_at}\", got ${at}")
endif()
if(NOT result STREQUAL "\"result\":${want_result}")
  message(FATAL_ERROR "expected result ${want_result}, got ${result}")
endif()
if(want_status EQUAL 2 AND NOT said MATCHES "waits for input")
  message(FATAL_ERROR "a stalled run should say why: ${said}")
endif()
if(MODE STREQUAL "title")
  string(REGEX MATCH "\"ControlScheme\":([0-9]+)" scheme "${state}")
  if(NOT CMAKE_MATCH_1 EQUAL 1)
    message(FATAL_ERROR "the layout change on the title was not taken: ${scheme}")
  endif()
endif()
