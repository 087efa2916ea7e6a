# cmake -DSOURCE=<data folder> -DDEST=<program folder> -P CopyData.cmake
# Lays out Lang\, Help\ and Templates\ in the program folder from data/.
foreach(folder Lang Help Templates)
  file(MAKE_DIRECTORY ${DEST}/${folder})
  if(EXISTS ${SOURCE}/${folder})
    file(COPY ${SOURCE}/${folder}/ DESTINATION ${DEST}/${folder})
  endif()
endforeach()
