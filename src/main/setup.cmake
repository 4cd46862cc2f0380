# The installer. Its headless modes need no display; the interactive
# installer joins later.
add_executable(setup setup_main.cpp)
target_link_libraries(setup PRIVATE vg_setup vg_warnings)
set_target_properties(setup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
