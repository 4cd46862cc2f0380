# The drawing benchmark uses the plain raster of the test canvas and, where
# Qt is installed, the Qt image the program draws on.
target_sources(draw_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/recording_canvas.cpp)
target_include_directories(draw_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(draw_bench PRIVATE vg_document)
if(TARGET vg_platform_qt)
  target_link_libraries(draw_bench PRIVATE vg_platform_qt)
  target_compile_definitions(draw_bench PRIVATE VG_BENCH_QT=1)
else()
  find_package(Qt6 6.4 QUIET COMPONENTS Gui Svg)
  if(Qt6_FOUND)
    target_sources(draw_bench PRIVATE
      ${PROJECT_SOURCE_DIR}/src/platform/qt/qt_canvas.cpp
      ${PROJECT_SOURCE_DIR}/src/platform/qt/qt_picture_devices.cpp)
    target_link_libraries(draw_bench PRIVATE Qt6::Gui Qt6::Svg)
    target_compile_definitions(draw_bench PRIVATE VG_BENCH_QT=1)
  endif()
endif()
