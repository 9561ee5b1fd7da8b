# The browser's build (Emscripten): the portable libraries and the page's module in web/.
# clang has no CP932 execution character set, so every source is compiled through
# web/cp932_escape.py, which writes its Shift-JIS literals as octal escapes of the same bytes
# (before any launcher of the environment, such as a compiler cache).
set(MAREVO_WINDOWS OFF)
set(MAREVO_WEB ON)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(CMAKE_CXX_COMPILER_LAUNCHER ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/web/cp932_escape.py
    --compile $ENV{CMAKE_CXX_COMPILER_LAUNCHER})
