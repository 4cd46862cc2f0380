target_link_libraries(zip_bench PRIVATE vg_setup z)
