# cmake -DEXE=FILE -DDATA=DIR -DSTRIP=TOOL -DZIP=TOOL -DOUT=FILE [-DSAME_AS=FILE] -P player_archive.cmake
#
# Packs what a Windows player needs into one zip archive: the program,
# stripped, and the generated Data folder (without the settings file a
# player's runs keep there or any half-written temporary file), in one
# folder named streetwarden. The same program and data always give the
# same bytes: the entries in name order, every file with one time stamp and
# a fixed mode, no owner or extra time fields. SAME_AS: fail unless the
# archive made has the bytes of that one.
foreach(var EXE DATA STRIP ZIP OUT)
  if(NOT ${var})
    message(FATAL_ERROR "player_archive.cmake: ${var} is not set")
  endif()
endforeach()
if(NOT EXISTS ${EXE})
  message(FATAL_ERROR "player_archive.cmake: no program at ${EXE}")
endif()
file(GLOB_RECURSE data_files ${DATA}/*)
if(NOT data_files)
  message(FATAL_ERROR "player_archive.cmake: the Data folder ${DATA} is empty or missing: build the game's data first")
endif()

set(stage ${OUT}.stage)
file(REMOVE_RECURSE ${stage})
set(folder ${stage}/streetwarden)
file(MAKE_DIRECTORY ${folder})
# One time for everything: the program's header (strip stamps it with the
# time it runs, or this one) and every file in the archive.
set(stamp 946684800)  # 2000-01-01 00:00:00 UTC
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${stamp}
                        ${STRIP} --strip-all -o ${folder}/streetwarden.exe ${EXE}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "player_archive.cmake: stripping ${EXE} failed (${status})")
endif()
set(FROM ${DATA})
set(TO ${folder}/Data)
include(${CMAKE_CURRENT_LIST_DIR}/copy_data.cmake)

file(GLOB_RECURSE entries RELATIVE ${stage} ${stage}/*)
list(SORT entries)
list(JOIN entries "\n" listing)
file(WRITE ${stage}.list "${listing}\n")
file(CHMOD_RECURSE ${folder}
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD ${folder}/streetwarden.exe
  PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
execute_process(COMMAND touch -d @${stamp} ${entries}
  WORKING_DIRECTORY ${stage} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "player_archive.cmake: setting the files' time failed (${status})")
endif()
file(REMOVE ${OUT}.tmp)
# -X: no owner or extra time fields; -D: no entries for folders (unpacking
# makes them); -@: the names, in order, from the list. zip writes the files'
# times in local time: one time zone keeps them the same wherever it runs.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -X -D -q -9 -@ ${OUT}.tmp
  INPUT_FILE ${stage}.list WORKING_DIRECTORY ${stage} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "player_archive.cmake: zip failed (${status})")
endif()
file(RENAME ${OUT}.tmp ${OUT})
file(REMOVE_RECURSE ${stage})
file(REMOVE ${stage}.list)
if(SAME_AS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${SAME_AS} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "player_archive.cmake: ${OUT}, packed again, differs from ${SAME_AS}")
  endif()
endif()
