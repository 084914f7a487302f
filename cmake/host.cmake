include(ExternalProject)
enable_testing()

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)

set(TOMEFLIP_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
set(TOMEFLIP_APP_DIR ${CMAKE_BINARY_DIR}/app)
set(TOMEFLIP_WINTESTS_DIR ${CMAKE_BINARY_DIR}/wintests)

# Further arguments go to the sub-build's configure.
function(tomeflip_cross_build name triplet threads binary_dir)
  ExternalProject_Add(${name}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${binary_dir}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw.cmake
      -DMINGW_TRIPLET=${triplet}
      -DMINGW_THREADS=${threads}
      -DTOMEFLIP_BUILD=${name}
      ${ARGN}
      -DCMAKE_BUILD_TYPE=MinSizeRel
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
endfunction()

tomeflip_cross_build(app i686-w64-mingw32 win32 ${TOMEFLIP_APP_DIR} -DTOMEFLIP_DIST_DIR=${TOMEFLIP_DIST_DIR})
tomeflip_cross_build(wintests x86_64-w64-mingw32 posix ${TOMEFLIP_WINTESTS_DIR})

if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The native build needs clang for its fuzzer: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
set(TOMEFLIP_FUZZ_SECONDS 60 CACHE STRING "How long the fuzzer runs in the tests")
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -Wall -Wextra)
add_link_options(-fsanitize=address,undefined)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Every Windows test runs in the build's own Wine prefix, with one wineserver
# kept alive for the whole run.
set(TOMEFLIP_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(TOMEFLIP_WINE64 /usr/lib/wine/wine64)
add_test(NAME wine.start COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh start ${TOMEFLIP_WINEPREFIX})
add_test(NAME wine.stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh stop ${TOMEFLIP_WINEPREFIX})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 1200)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)

function(tomeflip_wine_test name)
  add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    ENVIRONMENT "WINEPREFIX=${TOMEFLIP_WINEPREFIX};WINEDEBUG=-all")
endfunction()

add_subdirectory(engine)
add_subdirectory(tests)
