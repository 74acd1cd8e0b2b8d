# The profile core against bare pugixml on the same files.
quavel_add_benchmark(profile_benchmark ${CMAKE_CURRENT_LIST_DIR}/ProfileBenchmark.cpp LIBS quavel_core)
