# Setup.dat: the installed program in one ZIP archive beside the setup
# program (target setup-archive), and the Debian package (make deb).
find_program(VG_ZIP zip)
if(TARGET VGraph AND TARGET setup AND VG_ZIP)
  set(vg_archive ${CMAKE_BINARY_DIR}/bin/Setup.dat)
  file(GLOB_RECURSE vg_archive_data CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/data/help/* ${PROJECT_SOURCE_DIR}/data/lang/*
    ${PROJECT_SOURCE_DIR}/data/examples/* ${PROJECT_SOURCE_DIR}/data/desktop/*
    ${PROJECT_SOURCE_DIR}/data/icons/vgraph*.svg ${PROJECT_SOURCE_DIR}/data/icons/hicolor/*)
  # The help's pictures and the manual pages are made by the build.
  set(vg_archive_help)
  foreach(help_target help-pictures-all man-pages)
    if(TARGET ${help_target})
      list(APPEND vg_archive_help ${help_target})
    endif()
  endforeach()
  add_custom_command(OUTPUT ${vg_archive}
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSTAGE=${CMAKE_BINARY_DIR}/setup-stage
            -DARCHIVE=${vg_archive} -DZIP=${VG_ZIP} -DSETUP=$<TARGET_FILE:setup> -DSTRIP=${CMAKE_STRIP}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/make_setup_archive.cmake
    DEPENDS VGraph vgraph-cli setup ${vg_archive_data} ${vg_archive_help} ${PROJECT_SOURCE_DIR}/data/LICENSE.txt
            ${CMAKE_CURRENT_SOURCE_DIR}/make_setup_archive.cmake ${CMAKE_CURRENT_SOURCE_DIR}/install.cmake
            # the install rules as generated: a file added to or dropped from
            # the program's component repacks the archive
            ${CMAKE_CURRENT_BINARY_DIR}/cmake_install.cmake ${CMAKE_BINARY_DIR}/src/app/cmake_install.cmake
    COMMENT "Packing Setup.dat"
    VERBATIM)
  # The end-to-end tests install from it, so a build with tests makes it.
  if(VG_TESTS)
    add_custom_target(setup-archive ALL DEPENDS ${vg_archive})
  else()
    add_custom_target(setup-archive DEPENDS ${vg_archive})
  endif()
endif()

# make deb: VGraph and vgraph-cli under /usr with their desktop entry, MIME
# package, icons and AppStream metainfo. The package's triggers refresh the
# desktop caches, so the desktop-integration component stays out.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor-graphs)
set(CPACK_PACKAGE_VENDOR "The Vantor Graphs authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plot and analyse mathematical functions")
set(CPACK_PACKAGE_DESCRIPTION
  "Vantor Graphs draws explicit, polar and parametric curves, equations and\n"
  "inequalities, slope fields and tables of points, with calculus tools on\n"
  "them: analysis, derivatives, tangents, integrals, intersections and\n"
  "regression. vgraph-cli offers the same core to scripts.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};program;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Vantor Graphs authors <maintainers@vantor-graphs.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps (the Qt SVG library also
# carries the plugins that draw the toolbar glyphs); the fonts are the ones
# the documents name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
