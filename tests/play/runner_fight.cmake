# Two runs of section 6 with the headless runner.
#   MODE fight: the hero walks right, stopping now and then, and taps fire
#     every 12 passes; gunmen must die, shots must be counted and the hero
#     must be hurt.
#   MODE idle: nobody touches the controls; the enemies (and the clock) must
#     end the game with result 2.
if(MODE STREQUAL "fight")
  set(timeline "${OUT}_input.txt")
  set(lines "120 key down 39\n")
  foreach(pass RANGE 130 2999 12)
    string(APPEND lines "${pass} key tap 90\n")
  endforeach()
  foreach(pass RANGE 400 2999 300)
    math(EXPR resume "${pass} + 100")
    string(APPEND lines "${pass} key up 39\n${resume} key down 39\n")
  endforeach()
  file(WRITE ${timeline} "${lines}")
  set(args --passes 3000 --ticks-per-pass 2 --input ${timeline})
elseif(MODE STREQUAL "idle")
  # The run stops when the section ends, well within the time limit.
  set(args --max-ms 400000 --ticks-per-pass 4)
else()
  message(FATAL_ERROR "MODE must be fight or idle")
endif()

execute_process(
  COMMAND ${EMULATOR} ${RUNNER} --data ${DATA} --stage 6 ${args}
  OUTPUT_FILE ${OUT}.json
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the runner failed with ${status}")
endif()
file(READ ${OUT}.json state)

# A whole-number field of the state printed at the end.
function(field name var)
  string(REGEX MATCH "\"${name}\":(-?[0-9]+)" found "${state}")
  if(NOT found)
    message(FATAL_ERROR "no ${name} in the runner's output")
  endif()
  set(${var} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

field(result result)
field(EnemiesKilled killed)
field(BulletsFired fired)
field(HeroEnergy energy)
field(LivesLost lost)
message(STATUS "result ${result}, killed ${killed}, fired ${fired}, energy ${energy}, lives lost ${lost}")

if(MODE STREQUAL "fight")
  if(killed LESS 3 OR fired LESS 50)
    message(FATAL_ERROR "the fight killed ${killed} with ${fired} bullets")
  endif()
  if(energy EQUAL 100 AND lost EQUAL 0)
    message(FATAL_ERROR "the hero came through the fight unhurt")
  endif()
else()
  if(NOT result EQUAL 2 OR NOT lost EQUAL 3 OR NOT fired EQUAL 0)
    message(FATAL_ERROR "expected game over (2) after three lives and no shot, got result ${result}")
  endif()
endif()
