# Windows build (MinGW-w64): static runtime, so the executables need no DLL beside them.
set(MAREVO_WINDOWS ON)
add_link_options(-static -static-libgcc -static-libstdc++)
# Release executables carry no symbols or debug sections (a third of their size).
add_link_options($<$<CONFIG:Release>:-s>)
# windres reads the .rc as Shift-JIS.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 932")
# The version as plain numbers for the version information and the manifests ("03" is 3).
math(EXPR MAREVO_VERSION_MINOR "${PROJECT_VERSION_MINOR} + 0")
