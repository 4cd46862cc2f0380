# The help: the pages of data/help copied beside the build tree's programs
# (where the help window finds them), the pictures the programs make of
# themselves at build time, and the manual pages. cmake --install and the
# packages take all of it from the build tree.
include(GNUInstallDirs)

set(vg_help_source ${PROJECT_SOURCE_DIR}/data/help)
set(vg_help_build ${CMAKE_BINARY_DIR}/data/help)
set(vg_help_pictures ${vg_help_build}/pictures)

# Pages, style sheet and topics map; a page removed from the sources goes
# from the copy too.
file(GLOB vg_help_files CONFIGURE_DEPENDS
  ${vg_help_source}/*.html ${vg_help_source}/*.css ${vg_help_source}/topics.txt)
file(GLOB vg_help_copies ${vg_help_build}/*.html ${vg_help_build}/*.css)
foreach(copy IN LISTS vg_help_copies)
  get_filename_component(name ${copy} NAME)
  if(NOT EXISTS ${vg_help_source}/${name})
    file(REMOVE ${copy})
  endif()
endforeach()
foreach(page IN LISTS vg_help_files)
  get_filename_component(name ${page} NAME)
  configure_file(${page} ${vg_help_build}/${name} COPYONLY)
endforeach()
file(MAKE_DIRECTORY ${vg_help_pictures})

# The names of the pictures a recipe file promises: lines "[NAME WxH]" of
# the plots, first words of the screenshot lines.
function(vg_help_picture_names file pattern out)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
  file(STRINGS ${file} lines REGEX "${pattern}")
  set(names)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "${pattern}.*" "\\1" name "${line}")
    list(APPEND names ${vg_help_pictures}/${name}.png)
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

if(VG_GUI)
  set(vg_help_documents ${CMAKE_BINARY_DIR}/help-documents)
  set(vg_plot_recipes ${vg_help_source}/pictures/plots.txt)
  set(vg_shot_recipes ${vg_help_source}/pictures/screenshots.txt)
  vg_help_picture_names(${vg_plot_recipes} "^\\[([A-Za-z0-9_-]+) [0-9]+x[0-9]+\\]" vg_plot_pictures)
  vg_help_picture_names(${vg_shot_recipes} "^([a-z][A-Za-z0-9_-]*)[ \t]" vg_shot_pictures)

  # Plots: example documents made with vgraph-cli and drawn by its render
  # command. The documents stay for the screenshots.
  add_custom_command(OUTPUT ${vg_plot_pictures} ${vg_help_documents}/plots.stamp
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/render_help_plots.sh $<TARGET_FILE:vgraph-cli>
            ${vg_plot_recipes} ${vg_help_pictures} ${vg_help_documents}
    COMMAND ${CMAKE_COMMAND} -E touch ${vg_help_documents}/plots.stamp
    DEPENDS vgraph-cli ${vg_plot_recipes} ${CMAKE_CURRENT_SOURCE_DIR}/render_help_plots.sh
    COMMENT "Drawing the help's example plots"
    VERBATIM)

  # Screenshots: the program's own windows on the offscreen platform, with
  # every command module VGraph has.
  add_executable(help-pictures help_pictures_main.cpp command_modules.cpp command_modules.h)
  target_include_directories(help-pictures PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(help-pictures PRIVATE $<TARGET_PROPERTY:VGraph,LINK_LIBRARIES>)
  set_target_properties(help-pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
  set(vg_shot_settings ${CMAKE_BINARY_DIR}/help-pictures-settings)
  add_custom_command(OUTPUT ${vg_shot_pictures} ${vg_help_pictures}/missing.txt
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${vg_shot_settings}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${vg_shot_settings}/runtime
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen VGRAPH_CONFIG_DIR=${vg_shot_settings}
            XDG_RUNTIME_DIR=${vg_shot_settings}/runtime DBUS_SESSION_BUS_ADDRESS=disabled:
            $<TARGET_FILE:help-pictures> ${vg_shot_recipes} ${vg_help_pictures} ${vg_help_documents}
    DEPENDS help-pictures ${vg_shot_recipes} ${vg_help_documents}/plots.stamp
    COMMENT "Taking the help's screenshots"
    VERBATIM)
  add_custom_target(help-pictures-all ALL DEPENDS ${vg_plot_pictures} ${vg_shot_pictures})
endif()

install(DIRECTORY ${vg_help_build}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vgraph/help
        PATTERN missing.txt EXCLUDE)

# Manual pages, section 1: help2man runs each program's --help and adds the
# hand-written sections of data/man/PROGRAM.h2m.
find_program(VG_HELP2MAN help2man)
set(vg_man_build ${CMAKE_BINARY_DIR}/man)
set(vg_man_pages)
# An optional third argument names the install component (default: program,
# which the Debian package and Setup.dat ship).
function(vg_man_page target description)
  set(page ${vg_man_build}/${target}.1)
  set(include ${PROJECT_SOURCE_DIR}/data/man/${target}.h2m)
  add_custom_command(OUTPUT ${page} ${page}.gz
    COMMAND ${VG_HELP2MAN} --no-info --section=1 --name=${description}
            --version-string=${PROJECT_VERSION} --include=${include} --output=${page}
            $<TARGET_FILE:${target}>
    COMMAND gzip -9 -n -c ${page} > ${page}.gz
    DEPENDS ${target} ${include}
    COMMENT "Writing the manual page of ${target}")
  set(vg_man_pages ${vg_man_pages} ${page} PARENT_SCOPE)
  set(component program)
  if(ARGC GREATER 2)
    set(component ${ARGV2})
  endif()
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endfunction()
if(VG_HELP2MAN)
  file(MAKE_DIRECTORY ${vg_man_build})
  vg_man_page(vgraph-cli "headless companion of Vantor Graphs for scripts")
  if(TARGET VGraph)
    vg_man_page(VGraph "plot and analyse mathematical functions")
  endif()
  if(TARGET setup)
    # Neither the package nor Setup.dat holds setup itself (the installed
    # copy is "uninstall"), so its page stays out of both.
    vg_man_page(setup "installer and uninstaller of Vantor Graphs" installer)
  endif()
  add_custom_target(man-pages ALL DEPENDS ${vg_man_pages})
else()
  message(WARNING "help2man not found: no manual pages (scripts/install-deps.sh installs it)")
endif()
