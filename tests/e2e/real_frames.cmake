# Records the game's busiest frames of three sections on the headless
# backend (frame_record), then draws each on the real one with the hidden
# pixels skipped and with everything drawn (frame_bench --check): the very
# same pixels, or the test fails.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${RECORD} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "recording the frames failed with ${status}")
endif()
file(GLOB frames ${OUT}/*.frame)
list(LENGTH frames count)
if(NOT count EQUAL 6)
  message(FATAL_ERROR "expected 6 recorded frames, got ${count}")
endif()
execute_process(COMMAND ${DRAW} --check ${frames} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "a recorded frame drew other pixels with the hidden pixels skipped (status ${status})")
endif()
