# Builds the Debian package into a scratch folder and checks it with dpkg's
# and the desktop's own tools. Run with -DCPACK_CONFIG=... -DSCRATCH=...
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(COMMAND cpack --config "${CPACK_CONFIG}" -G DEB -B "${SCRATCH}"
                RESULT_VARIABLE built OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB packages "${SCRATCH}/*.deb")
if(NOT built EQUAL 0 OR NOT packages)
  message(FATAL_ERROR "cpack failed:\n${log}")
endif()
list(GET packages 0 deb)

execute_process(COMMAND dpkg-deb -c "${deb}" OUTPUT_VARIABLE contents)
foreach(path
    ./usr/bin/VGraph ./usr/bin/vgraph-cli
    ./usr/share/applications/vgraph.desktop
    ./usr/share/mime/packages/vgraph.xml
    ./usr/share/metainfo/org.vantorgraphs.VGraph.metainfo.xml
    ./usr/share/icons/hicolor/48x48/apps/vgraph.png
    ./usr/share/icons/hicolor/48x48/mimetypes/application-x-vgraph-document.png
    ./usr/share/vgraph/lang/german.vgl ./usr/share/vgraph/help/index.html
    ./usr/share/vgraph/examples/functions.vgr ./usr/share/doc/vantor-graphs/LICENSE.txt)
  string(FIND "${contents}" " ${path}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${path} is missing from the package:\n${contents}")
  endif()
endforeach()
# setup itself is not shipped (the package has no installer), nor its page.
foreach(stray mimeapps.list bin/setup mime/mime.cache man1/setup.1)
  string(FIND "${contents}" "${stray}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${stray} must not be in the package")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -f "${deb}" Depends Package Version OUTPUT_VARIABLE fields)
foreach(needed "libqt6gui6" "libqt6widgets6" "libqt6svg6" "fonts-liberation" "fonts-dejavu-core"
               "Package: vantor-graphs" "Version: 1.21")
  string(FIND "${fields}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package's control fields lack ${needed}:\n${fields}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -x "${deb}" "${SCRATCH}/root")
find_program(appstreamcli appstreamcli)
if(appstreamcli)
  execute_process(COMMAND ${appstreamcli} validate --no-net
                  "${SCRATCH}/root/usr/share/metainfo/org.vantorgraphs.VGraph.metainfo.xml"
                  RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli refuses the metainfo:\n${report}")
  endif()
endif()
find_program(desktop_validate desktop-file-validate)
if(desktop_validate)
  execute_process(COMMAND ${desktop_validate} "${SCRATCH}/root/usr/share/applications/vgraph.desktop"
                  RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT valid EQUAL 0 OR NOT report STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate refuses the entry:\n${report}")
  endif()
endif()
file(REMOVE_RECURSE "${SCRATCH}")
