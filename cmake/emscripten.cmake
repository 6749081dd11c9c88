# Emscripten's own toolchain file, found beside em++ wherever Emscripten is
# installed (Debian's package or emsdk), so that the web preset names no path.
find_program(emscripten_compiler em++ REQUIRED)
get_filename_component(emscripten_compiler ${emscripten_compiler} REALPATH)
get_filename_component(emscripten_root ${emscripten_compiler} DIRECTORY)
include(${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)
