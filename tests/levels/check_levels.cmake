# cmake -DSOURCE_DIR=<tree> -P check_levels.cmake
# Fails when a source file includes a header from a higher level than its own
# library's, or when core code includes Qt. Levels, lowest first:
#   base platform effects layout engine output programming app
# A file may include the core of its own level and below; a */ui/ folder may
# also include the ui of its own level and below, core code never a ui header.
# cli may include the core and itself; tests, bench, examples and fuzz may
# include anything.
set(levels base platform effects layout engine output programming app)
set(top_level 100)  # cli, examples, tests, bench, fuzz: above every library

function(folder_rank folder out)
  list(FIND levels "${folder}" rank)
  if(rank EQUAL -1 AND folder MATCHES "^(cli|examples|tests|bench|fuzz)$")
    set(rank ${top_level})
  endif()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

set(violations 0)
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
  "${SOURCE_DIR}/base/*" "${SOURCE_DIR}/platform/*" "${SOURCE_DIR}/effects/*"
  "${SOURCE_DIR}/layout/*" "${SOURCE_DIR}/engine/*" "${SOURCE_DIR}/output/*"
  "${SOURCE_DIR}/programming/*" "${SOURCE_DIR}/app/*" "${SOURCE_DIR}/cli/*")
list(FILTER sources INCLUDE REGEX "\\.(h|cpp)$")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  folder_rank(${folder} rank)
  set(is_ui OFF)
  if(source MATCHES "/ui/")
    set(is_ui ON)
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" _ "${line}")
    set(header "${CMAKE_MATCH_1}")
    set(why "")
    if(line MATCHES "<Q[A-Za-z]*>" AND NOT is_ui)
      set(why "Qt outside a ui folder")
    elseif(line MATCHES "\"")
      string(REGEX MATCH "^[^/]+" header_folder "${header}")
      folder_rank("${header_folder}" header_rank)
      if(header_rank EQUAL -1)
        continue()  # a header beside the file, or the firmware's own
      endif()
      set(header_is_ui OFF)
      if(header MATCHES "/ui/")
        set(header_is_ui ON)
      endif()
      if(header_is_ui AND NOT is_ui)
        set(why "user-interface header in core code")
      elseif(header_rank GREATER rank)
        set(why "header of a higher level")
      elseif(header_rank EQUAL top_level AND NOT header_folder STREQUAL folder)
        set(why "header of a program or a test")
      endif()
    endif()
    if(why)
      message("${source}: includes ${header}: ${why}")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) break the levels")
endif()
