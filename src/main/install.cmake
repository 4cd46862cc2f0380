# Installing like any Linux desktop program: the programs in bin/, their data
# in share/vgraph/, and the freedesktop pieces (desktop entry, icons, the
# .vgr document type) where desktops look for them. Everything below is in
# the "program" component unless it says otherwise.
include(GNUInstallDirs)

install(TARGETS vgraph-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET VGraph)
  install(TARGETS VGraph RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(vg_data ${PROJECT_SOURCE_DIR}/data)
set(vg_share ${CMAKE_INSTALL_DATADIR})
# The help pages and the manual pages: help.cmake.
install(DIRECTORY ${vg_data}/examples/ DESTINATION ${vg_share}/vgraph/examples
        FILES_MATCHING PATTERN "*.vgr" PATTERN "*.txt")

install(FILES ${vg_data}/desktop/vgraph.desktop DESTINATION ${vg_share}/applications)
install(FILES ${vg_data}/desktop/vgraph-mime.xml DESTINATION ${vg_share}/mime/packages
        RENAME vgraph.xml)
install(FILES ${vg_data}/icons/vgraph.svg
        DESTINATION ${vg_share}/icons/hicolor/scalable/apps)
install(FILES ${vg_data}/icons/vgraph-document.svg
        DESTINATION ${vg_share}/icons/hicolor/scalable/mimetypes
        RENAME application-x-vgraph-document.svg)
foreach(size 16 32 48 64 128 256)
  install(FILES ${vg_data}/icons/hicolor/vgraph-${size}.png
          DESTINATION ${vg_share}/icons/hicolor/${size}x${size}/apps RENAME vgraph.png)
  install(FILES ${vg_data}/icons/hicolor/vgraph-document-${size}.png
          DESTINATION ${vg_share}/icons/hicolor/${size}x${size}/mimetypes
          RENAME application-x-vgraph-document.png)
endforeach()
install(FILES ${vg_data}/desktop/vgraph.metainfo.xml DESTINATION ${vg_share}/metainfo
        RENAME org.vantorgraphs.VGraph.metainfo.xml)
install(FILES ${vg_data}/LICENSE.txt DESTINATION ${vg_share}/doc/vantor-graphs)

# The rest touches the desktop of the machine installed on, not the program's
# files: component desktop-integration, left out of the setup archive and the
# Debian package (whose triggers refresh the caches).

# VGraph as the default handler of its document type: an entry in the
# prefix's default-application list, added without disturbing other entries.
install(CODE "set(VG_INSTALL_SHARE \"${vg_share}\")" COMPONENT desktop-integration)
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/install_default_handler.cmake COMPONENT desktop-integration)

# Refresh the desktop's caches when installing straight into a prefix (a
# packaging run with DESTDIR leaves that to the package's own triggers).
install(CODE "
  if(NOT DEFINED ENV{DESTDIR} OR \"\$ENV{DESTDIR}\" STREQUAL \"\")
    set(share \"\${CMAKE_INSTALL_PREFIX}/${vg_share}\")
    find_program(vg_update_mime update-mime-database)
    if(vg_update_mime)
      execute_process(COMMAND \${vg_update_mime} \"\${share}/mime\" RESULT_VARIABLE ignored)
    endif()
    find_program(vg_update_desktop update-desktop-database)
    if(vg_update_desktop)
      execute_process(COMMAND \${vg_update_desktop} -q \"\${share}/applications\" RESULT_VARIABLE ignored)
    endif()
  endif()
" COMPONENT desktop-integration)
