# Emscripten's own toolchain file, found beside em++ wherever Emscripten is
# installed (Debian's package or emsdk), so that the web preset names no path.
find_program(emscripten_compiler em++ REQUIRED)
get_filename_component(emscripten_compiler ${emscripten_compiler} REALPATH)
get_filename_component(emscripten_root ${emscripten_compiler} DIRECTORY)
include(${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)
# Debian's Emscripten links with node and Debian's node modules (acorn),
# which a node from elsewhere finds only through NODE_PATH.
if(EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()
