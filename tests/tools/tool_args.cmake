# A tool's command line: --help prints its usage on stdout with status 0; an
# unknown option, an option without its value (MISSING) and a malformed
# number (NUMBER, the option given "12x") print the usage on stderr and end
# with status BAD. Every case runs in an empty folder, which must stay empty.
#   TOOL (through EMULATOR in a cross build), NAME its usage name, OUT the
#   folder; each case's output is kept beside it as OUT.<case>.out/.err.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

set(cases help unknown)
set(args_help --help)
set(args_unknown --no-such-option)
if(MISSING)
  list(APPEND cases missing)
  set(args_missing ${MISSING})
endif()
if(NUMBER)
  list(APPEND cases number)
  if(NUMBER MATCHES "=$")
    set(args_number ${NUMBER}12x)
  else()
    set(args_number ${NUMBER} 12x)
  endif()
endif()

foreach(case ${cases})
  execute_process(
    COMMAND ${EMULATOR} ${TOOL} ${args_${case}}
    WORKING_DIRECTORY ${OUT}
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE status
    TIMEOUT 60)
  file(WRITE ${OUT}.${case}.out "${out}")
  file(WRITE ${OUT}.${case}.err "${err}")
  set(said "${args_${case}}: status ${status}\nstdout: ${out}\nstderr: ${err}")
  if(case STREQUAL "help")
    if(NOT status EQUAL 0 OR NOT out MATCHES "usage: ${NAME}")
      message(FATAL_ERROR "--help should print the usage on stdout with status 0; ${said}")
    endif()
  elseif(NOT status EQUAL BAD OR NOT err MATCHES "usage: ${NAME}" OR NOT out STREQUAL "")
    message(FATAL_ERROR "should be refused with the usage on stderr and status ${BAD}; ${said}")
  endif()
  file(GLOB_RECURSE written LIST_DIRECTORIES true RELATIVE ${OUT} ${OUT}/*)
  if(written)
    message(FATAL_ERROR "${args_${case}} wrote ${written}")
  endif()
endforeach()
