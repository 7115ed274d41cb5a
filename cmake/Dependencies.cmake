# Third-party code: nothing of it is committed. Scintilla and Lexilla come from the
# cached Debian source tarball (only their two folders are extracted, into the build
# tree); zlib and GoogleTest come from Debian's packages.

# The same folder as the set-up script's OVRIK_CACHE when that is set.
if(DEFINED ENV{OVRIK_CACHE})
    set(ovrik_default_cache "$ENV{OVRIK_CACHE}")
else()
    set(ovrik_default_cache "${CMAKE_SOURCE_DIR}/.cache")
endif()
set(OVRIK_CACHE_DIR "${ovrik_default_cache}" CACHE PATH "Where downloaded source tarballs are kept")
set(scite_tarball "${OVRIK_CACHE_DIR}/scite_5.3.3.orig.tar.gz")
set(dep_dir "${CMAKE_BINARY_DIR}/_deps")

if(NOT EXISTS "${scite_tarball}")
    message(FATAL_ERROR "Missing ${scite_tarball}: run scripts/setup.sh first")
endif()
if(NOT EXISTS "${dep_dir}/scintilla/version.txt" OR NOT EXISTS "${dep_dir}/lexilla/version.txt")
    file(MAKE_DIRECTORY "${dep_dir}")
    execute_process(COMMAND tar xzf "${scite_tarball}" scintilla lexilla
                    WORKING_DIRECTORY "${dep_dir}" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "Could not extract Scintilla and Lexilla from ${scite_tarball}")
    endif()
endif()

set(SCINTILLA_DIR "${dep_dir}/scintilla")
set(LEXILLA_DIR "${dep_dir}/lexilla")

file(GLOB scintilla_sources "${SCINTILLA_DIR}/src/*.cxx" "${SCINTILLA_DIR}/win32/*.cxx")
list(FILTER scintilla_sources EXCLUDE REGEX "ScintillaDLL\\.cxx$")
add_library(scintilla STATIC ${scintilla_sources})
target_include_directories(scintilla SYSTEM PUBLIC "${SCINTILLA_DIR}/include"
                           PRIVATE "${SCINTILLA_DIR}/src" "${SCINTILLA_DIR}/win32")
target_compile_definitions(scintilla PUBLIC STATIC_BUILD PRIVATE NDEBUG)
target_compile_options(scintilla PRIVATE -w)
target_link_libraries(scintilla PUBLIC gdi32 user32 imm32 ole32 uuid oleaut32 msimg32 comctl32)

file(GLOB lexilla_sources "${LEXILLA_DIR}/src/Lexilla.cxx" "${LEXILLA_DIR}/lexlib/*.cxx"
                          "${LEXILLA_DIR}/lexers/*.cxx")
add_library(lexilla STATIC ${lexilla_sources})
target_include_directories(lexilla SYSTEM PUBLIC "${LEXILLA_DIR}/include" "${LEXILLA_DIR}/lexlib"
                           PRIVATE "${SCINTILLA_DIR}/include")
target_compile_definitions(lexilla PRIVATE NDEBUG)
target_compile_options(lexilla PRIVATE -w)
target_link_libraries(lexilla PUBLIC scintilla)

find_library(ZLIB_STATIC NAMES libz.a z REQUIRED)
find_path(ZLIB_INCLUDE zlib.h REQUIRED)
add_library(zlib_static INTERFACE)
target_link_libraries(zlib_static INTERFACE "${ZLIB_STATIC}")
target_include_directories(zlib_static SYSTEM INTERFACE "${ZLIB_INCLUDE}")

if(OVRIK_BUILD_TESTS)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest "${dep_dir}/googletest-build" EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main)
        target_compile_options(${t} PRIVATE -w)
    endforeach()
endif()
