target_sources(render_fuzz PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/recording_canvas.cpp)
target_include_directories(render_fuzz PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(render_fuzz PRIVATE vg_document)
