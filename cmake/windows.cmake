set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)

# Unicode throughout, and nothing newer than Windows 2000.
add_compile_definitions(UNICODE _UNICODE _WIN32_WINNT=0x0500 WINVER=0x0500)
add_compile_options(-Wall -Wextra)
add_link_options(-static)

# The work is the file system's: the code may as well be small.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)

if(TOMEFLIP_BUILD STREQUAL "wintests")
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

add_subdirectory(engine)
add_subdirectory(winlib)
add_subdirectory(ui)
add_subdirectory(res)
add_subdirectory(tests)
