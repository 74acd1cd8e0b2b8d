# Looking up the installs in large registries and many prefixes, against
# reading the same bytes into memory.
quavel_add_benchmark(installs_benchmark ${CMAKE_CURRENT_LIST_DIR}/InstallsBenchmark.cpp
    LIBS quavel_installs)
target_compile_definitions(installs_benchmark PRIVATE
    WINE_REGISTRY_EXCERPT="${PROJECT_SOURCE_DIR}/tests/installs/data/system.reg.excerpt")
