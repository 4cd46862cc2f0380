# Shared build settings: warnings, sanitizers and small helpers for the
# subsystem folders.

add_library(vg_warnings INTERFACE)
target_compile_options(vg_warnings INTERFACE -Wall -Wextra)

if(VG_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VG_FUZZ)
  # Coverage for libFuzzer in every library the targets link.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Adds every subfolder of DIR that has a CMakeLists.txt, so subsystems can be
# added without touching the parent file.
function(vg_add_present_subdirectories dir)
  file(GLOB children RELATIVE ${dir} ${dir}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${dir}/${child} AND EXISTS ${dir}/${child}/CMakeLists.txt)
      add_subdirectory(${dir}/${child})
    endif()
  endforeach()
endfunction()

# A core library: never links Qt. The check below fails the configure step
# if a core library picks up a Qt target through its dependencies.
function(vg_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE vg_warnings)
  foreach(dep IN LISTS ARG_DEPS)
    if(dep MATCHES "^Qt")
      message(FATAL_ERROR "core library ${name} must not link ${dep}")
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY VG_CORE_LIBRARIES ${name})
endfunction()

# A Qt library or program part (windows, dialogs, platform/qt).
function(vg_qt_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  # moc's step does not notice a header added to a globbed folder in an
  # incremental build: a changed source list makes it run again.
  set(source_list ${CMAKE_CURRENT_BINARY_DIR}/${name}_sources.txt)
  set(old_sources "")
  if(EXISTS ${source_list})
    file(READ ${source_list} old_sources)
  endif()
  if(NOT old_sources STREQUAL "${ARG_SOURCES}")
    file(WRITE ${source_list} "${ARG_SOURCES}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE vg_warnings)
endfunction()
