# Builds Zubolo.chm from the HTML help under help/:
#   cmake -DSOURCE=<help folder> -DSTAGING=<work folder> -DOUTPUT=<Zubolo.chm> -DCHMCMD=<chmcmd>
#         -DICONV=<iconv> -P cmake/BuildHelp.cmake
# The sources are UTF-8. The help viewer reads the contents, the index and the titles in the
# code page of the help file's language (Japanese: 932), so every file is converted to it first,
# with its declared character set changed to match; a character that code page lacks stops the
# build.
cmake_minimum_required(VERSION 3.20)
foreach(variable SOURCE STAGING OUTPUT CHMCMD ICONV)
  if(NOT ${variable})
    message(FATAL_ERROR "BuildHelp.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGING})
file(MAKE_DIRECTORY ${STAGING})
file(GLOB sources LIST_DIRECTORIES false ${SOURCE}/*.hhp ${SOURCE}/*.hhc ${SOURCE}/*.hhk
  ${SOURCE}/*.html ${SOURCE}/*.css)
foreach(source IN LISTS sources)
  cmake_path(GET source FILENAME name)
  file(READ ${source} text)
  string(REPLACE "charset=UTF-8" "charset=Shift_JIS" text "${text}")
  file(WRITE ${STAGING}/${name}.utf8 "${text}")
  execute_process(COMMAND ${ICONV} -f UTF-8 -t CP932 ${STAGING}/${name}.utf8
    OUTPUT_FILE ${STAGING}/${name} ERROR_VARIABLE problem RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "help/${name} has a character outside code page 932: ${problem}")
  endif()
  file(REMOVE ${STAGING}/${name}.utf8)
endforeach()

file(GLOB projects ${STAGING}/*.hhp)
execute_process(COMMAND ${CHMCMD} --no-html-scan ${projects} WORKING_DIRECTORY ${STAGING}
  OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE status)
file(GLOB compiled ${STAGING}/*.chm)
if(NOT status EQUAL 0 OR NOT compiled)
  message(FATAL_ERROR "chmcmd could not compile the help (exit status ${status}):\n${log}")
endif()
file(COPY_FILE ${compiled} ${OUTPUT})
