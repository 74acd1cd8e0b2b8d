# The resident memory of the undo history after many edits.
add_executable(history_memory_probe ${CMAKE_CURRENT_LIST_DIR}/HistoryMemoryProbe.cpp)
target_link_libraries(history_memory_probe PRIVATE quavel_session quavel_warnings)
