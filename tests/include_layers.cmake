# Fails when a platform source includes a project header from a folder above
# it: platform/ and platform/qt/ may include only from platform/.
# Run as: cmake -DSOURCE_DIR=<src> -P include_layers.cmake
file(GLOB_RECURSE sources "${SOURCE_DIR}/platform/*.h" "${SOURCE_DIR}/platform/*.cpp")
set(offences "")
foreach(source ${sources})
  file(STRINGS "${source}" includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT header MATCHES "^platform/")
      file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
      list(APPEND offences "${name} includes ${header}")
    endif()
  endforeach()
endforeach()
if(offences)
  list(JOIN offences "\n" text)
  message(FATAL_ERROR "platform includes from a folder above it:\n${text}")
endif()
