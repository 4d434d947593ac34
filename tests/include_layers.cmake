# Fails when a source includes a project header from a folder above its own:
# platform/ (with platform/qt/) includes only from platform/, store/ from
# platform/ and itself, each subsystem's core from platform/, store/ and itself;
# the publisher records also from activity/ (a card shows the months and the
# pioneer rules), the reports from activity/ and records/, whose figures and
# documents they print.
# Run as: cmake -DSOURCE_DIR=<src> -P include_layers.cmake
set(layers
    "platform=platform/"
    "store=platform/|store/"
    "activity=platform/|store/|activity/"
    "records=platform/|store/|activity/|records/"
    "reports=platform/|store/|activity/|records/|reports/"
    "interchange=platform/|store/|activity/|interchange/"
    "backup=platform/|store/|backup/")
set(offences "")
foreach(layer ${layers})
  string(REGEX REPLACE "=.*" "" folder "${layer}")
  string(REGEX REPLACE "^[^=]*=" "" allowed "${layer}")
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source ${sources})
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
    # The Qt dialogs of a subsystem sit above the core and the Qt bindings.
    if(name MATCHES "/ui/" AND NOT folder STREQUAL "platform")
      continue()
    endif()
    file(STRINGS "${source}" includes REGEX "^#include \"")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
      if(NOT header MATCHES "^(${allowed})" OR header MATCHES "/ui/"
         OR (header MATCHES "^platform/qt/" AND NOT name MATCHES "^platform/qt/"))
        list(APPEND offences "${name} includes ${header}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(offences)
  list(JOIN offences "\n" text)
  message(FATAL_ERROR "includes from a folder above:\n${text}")
endif()
