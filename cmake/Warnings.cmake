# Our own code is built with a strict set of warnings; third-party headers come
# in as SYSTEM. Developer and CI builds (scripts/test) make them errors. A
# user's default build does not, so a newer compiler's new warning never stops
# someone from building the program.
option(VEXOLUME_WERROR "Treat compiler warnings as errors (developer and CI builds)" OFF)
add_library(vexolume_warnings INTERFACE)
target_compile_options(vexolume_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(VEXOLUME_WERROR)
  target_compile_options(vexolume_warnings INTERFACE -Werror)
endif()
# At -O2 and above GCC 12 reports impossible overlaps inside std::string
# concatenation (GCC bug 105329) and "maybe uninitialized" payloads of engaged
# std::optional values (GCC bug 80635); neither says anything about our code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(vexolume_warnings INTERFACE -Wno-restrict -Wno-maybe-uninitialized)
endif()

# vexolume_library(NAME SOURCES... LINKS...) declares one level of the core.
function(vexolume_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE vexolume_warnings)
endfunction()
