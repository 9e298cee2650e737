# The browser build (emcmake cmake ... -DTORVANE_WEB_PREFIX=...): the engine from the same
# sources against the static libraries scripts/web-deps.sh builds with emscripten, and one
# program, torvane.js + torvane.wasm. The show it plays is packed apart (torvane.sh's
# pack_show: torvane.data and its loader torvane.data.js), so that any show folder makes a
# page without linking again; the page loads it before the program, and the folder appears
# as the working folder `/`.
include(${CMAKE_CURRENT_LIST_DIR}/dependency_prefix.cmake)
torvane_dependency_prefix(TORVANE_WEB_PREFIX scripts/web-deps.sh)
list(APPEND CMAKE_FIND_ROOT_PATH ${TORVANE_WEB_PREFIX})
set(ENV{PKG_CONFIG_LIBDIR} ${TORVANE_WEB_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# -O2 for the compiler and for emcc's link-time optimizers (the link gets these flags too).
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

# The page starts the program (Module.callMain) once the data is loaded and the show may
# start, and again for "Play again"; the runtime stays up after main returns, as the frames
# run from the page's animation frames. libopenmpt reports a module it cannot read by an
# exception it catches.
set(torvane_web_link_options
    -sALLOW_MEMORY_GROWTH=1 -sINVOKE_RUN=0 -sEXIT_RUNTIME=0 -sFORCE_FILESYSTEM=1
    "-sEXPORTED_RUNTIME_METHODS=callMain,UTF8ToString,HEAPU8" -fexceptions
    "SHELL:--js-library ${CMAKE_CURRENT_LIST_DIR}/web_sdl_audio.js"
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=torvane_sdl_audio)

function(torvane_add_web_program)
    add_executable(torvane app/main_web.cpp)
    target_link_libraries(torvane PRIVATE torvane_engine)
    target_link_options(torvane PRIVATE ${torvane_web_link_options})
    set_target_properties(torvane PROPERTIES SUFFIX .js)
endfunction()
