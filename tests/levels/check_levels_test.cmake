# cmake -DCHECK=<check_levels.cmake> -DTREE=<sample tree> -P check_levels_test.cmake
# Runs the level check on a small tree (tests/data/levels) with known breaks
# and fails unless it reports exactly those, so the check itself cannot
# silently pass everything.
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${TREE} -P ${CHECK}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(APPEND out "${err}")
if(result EQUAL 0)
  message(FATAL_ERROR "the level check passed a tree with upward includes:\n${out}")
endif()
set(expected
  "cli/main.cpp: includes tests/support/temp_folder.h: header of a program or a test"
  "engine/ui/sheet/up_to_ui.cpp: includes app/ui/main_window.h: header of a higher level"
  "layout/core_qt.cpp: includes QString: Qt outside a ui folder"
  "layout/core_up.h: includes engine/play/playback.h: header of a higher level"
  "layout/core_up.h: includes layout/ui/layout_view.h: user-interface header in core code"
  "platform/ui/up_to_core.h: includes app/language/key_registry.h: header of a higher level"
  "6 include(s) break the levels")
foreach(line IN LISTS expected)
  string(FIND "${out}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing from the level check's report: ${line}\n${out}")
  endif()
endforeach()
