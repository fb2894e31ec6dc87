# The project's warning set, applied to every target of ours.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Werror
    $<$<BOOL:${STATS_WCONVERSION}>:-Wconversion>)
