# Core libraries the commands use.
target_link_libraries(vg_cli PUBLIC vg_engine)
