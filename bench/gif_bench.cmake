# Our GIF87a encoder beside giflib's, on the same picture in the same run.
target_sources(gif_bench PRIVATE
  ${PROJECT_SOURCE_DIR}/tests/support/recording_canvas.cpp
  ${PROJECT_SOURCE_DIR}/tests/drawing/sample_documents.cpp)
target_include_directories(gif_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(gif_bench PRIVATE vg_document gif)
