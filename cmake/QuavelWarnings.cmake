# Our own targets link quavel_warnings: every warning is an error in our code,
# while third-party headers (Qt, pugixml, GoogleTest) come in as system headers.
add_library(quavel_warnings INTERFACE)
target_compile_options(quavel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Werror)
