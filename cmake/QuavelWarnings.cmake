# Our own targets link quavel_warnings, while third-party headers (Qt, pugixml,
# GoogleTest) come in as system headers. Warnings are errors only where the
# project checks its own code (scripts/test, .ci/run): a distribution's or a
# user's compiler and flags must never turn a warning into a failed build.
option(QUAVEL_WARNINGS_AS_ERRORS "Treat warnings in Quavel's own code as errors" OFF)

add_library(quavel_warnings INTERFACE)
target_compile_options(quavel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
if(QUAVEL_WARNINGS_AS_ERRORS)
    target_compile_options(quavel_warnings INTERFACE -Werror)
endif()
# g++ 12 at -O3 reports overlapping copies inside std::string's own operator+
# that cannot happen (GCC bug 105329, fixed in g++ 13).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(quavel_warnings INTERFACE -Wno-restrict)
endif()
