# Warnings are on for everything we compile; the build stays clean under them.
add_library(mezura_warnings INTERFACE)
target_compile_options(mezura_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
