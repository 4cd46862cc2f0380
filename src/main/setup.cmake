# The installer: its windows when the GUI is built, the headless modes
# always. Installed as DIR/uninstall, the same program is the uninstaller.
add_executable(setup setup_main.cpp)
target_link_libraries(setup PRIVATE vg_setup vg_warnings)
if(VG_GUI AND EXISTS ${PROJECT_SOURCE_DIR}/src/setup/ui/CMakeLists.txt)
  # vg_setup_ui is defined later (src/setup comes after src/main).
  target_link_libraries(setup PRIVATE vg_setup_ui)
  target_compile_definitions(setup PRIVATE VG_SETUP_WINDOWS)
endif()
set_target_properties(setup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
