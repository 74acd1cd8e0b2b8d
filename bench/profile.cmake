# The profile core against bare pugixml on the same files.
find_package(EXPAT REQUIRED)
quavel_add_benchmark(profile_benchmark ${CMAKE_CURRENT_LIST_DIR}/ProfileBenchmark.cpp
    LIBS quavel_core EXPAT::EXPAT)
# Kills a profile writer at random moments and counts what it left behind.
add_executable(profile_kill_probe ${CMAKE_CURRENT_LIST_DIR}/ProfileKillProbe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KillRounds.cpp)
target_link_libraries(profile_kill_probe PRIVATE quavel_core quavel_warnings)
# With --set it kills the real tool.
target_compile_definitions(profile_kill_probe PRIVATE QUAVEL_CLI_PATH="$<TARGET_FILE:quavel-cli>")
add_dependencies(profile_kill_probe quavel-cli)
