# Core libraries the commands use.
target_link_libraries(vg_cli PUBLIC vg_engine)
# render: pictures of documents; drawing texts needs Qt Gui, so the command
# only works in the GUI build.
target_link_libraries(vg_cli PUBLIC vg_document)
if(VG_GUI)
  target_link_libraries(vg_cli PUBLIC vg_platform_qt)
  target_compile_definitions(vg_cli PRIVATE VG_CLI_QT_RENDER=1)
endif()
# regress, analyse, intersect, values: the calculus tools.
target_link_libraries(vg_cli PUBLIC vg_tools)
# view and print: the view interval operations and the printing path of the
# application shell; printing draws on Qt's print support.
target_link_libraries(vg_cli PUBLIC vg_app)
if(VG_GUI)
  target_link_libraries(vg_cli PUBLIC vg_platform_print)
endif()
# table-read, table-write, table-edit and new --add-table-file: table files
# and the table grid.
target_link_libraries(vg_cli PUBLIC vg_tables)
