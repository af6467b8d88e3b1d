# Warnings are errors in our own code; third-party headers come in as SYSTEM.
add_library(vexolume_warnings INTERFACE)
target_compile_options(vexolume_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)
# GCC 12 reports impossible overlaps inside std::string concatenation at -O2
# and above (GCC bug 105329); the warning says nothing about our code there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(vexolume_warnings INTERFACE -Wno-restrict)
endif()

# vexolume_library(NAME SOURCES... LINKS...) declares one level of the core.
function(vexolume_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE vexolume_warnings)
endfunction()
