# cmake -DFROM=DIR -DTO=DIR -P copy_data.cmake: copies a generated Data folder
# file by file (only what changed), leaving out the settings file a player's
# runs keep there and any half-written temporary file.
file(GLOB_RECURSE files RELATIVE ${FROM} ${FROM}/*)
foreach(f ${files})
  if(f MATCHES "(^|/)save\\.kvg" OR f MATCHES "\\.tmp$")
    continue()
  endif()
  get_filename_component(dir ${TO}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${FROM}/${f} ${TO}/${f} ONLY_IF_DIFFERENT)
endforeach()
