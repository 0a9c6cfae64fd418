# Fails when a production file outside the graphics library includes one of
# its internal headers (those under host/graphics/<part>/); code outside the
# library uses the public headers at the top of host/graphics only.
# Run as: cmake -DROOT=<source folder> -P internal_headers_check.cmake
set(folders editor app ide attributes about controls host/toolkit host/designtime resources)
set(offenders "")
foreach(folder ${folders})
  file(GLOB_RECURSE sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]host/graphics/[^/\">]+/")
    foreach(line ${lines})
      file(RELATIVE_PATH name ${ROOT} ${source})
      string(STRIP "${line}" line)
      string(APPEND offenders "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(offenders)
  message(FATAL_ERROR "Internal graphics headers included outside host/graphics:${offenders}")
endif()
