# Compiler flags and the installation-like layout of the build tree.

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra -Wno-unused-parameter)
endif()

if(TALVEX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(TALVEX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "TALVEX_FUZZ needs clang (CC=clang CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# The build tree is laid out like an installation, so the program runs from it
# in the portable layout: bin/, lib/, Packages/{Plugins,Ciphers}/, Data/.
set(TALVEX_STAGE_DIR "${CMAKE_BINARY_DIR}")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${TALVEX_STAGE_DIR}/bin")
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${TALVEX_STAGE_DIR}/lib")
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY "${TALVEX_STAGE_DIR}/lib/static")
set(TALVEX_PLUGIN_STAGE_DIR "${TALVEX_STAGE_DIR}/Packages/Plugins")
set(TALVEX_CIPHER_STAGE_DIR "${TALVEX_STAGE_DIR}/Packages/Ciphers")
set(TALVEX_DATA_STAGE_DIR "${TALVEX_STAGE_DIR}/Data")

set(CMAKE_BUILD_RPATH "\$ORIGIN/../lib")
set(CMAKE_INSTALL_RPATH "\$ORIGIN/../lib")
set(CMAKE_BUILD_WITH_INSTALL_RPATH OFF)

set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

string(TIMESTAMP TALVEX_BUILD_TIMESTAMP "%Y-%m-%dT%H:%M:%SZ" UTC)

# The Debian package installs this tree to one folder under /opt (see
# cmake/TalvexPackage.cmake); the program icon comes in these hicolor sizes.
set(TALVEX_PACKAGE_PREFIX "/opt/talvex-studio")
set(TALVEX_ICON_SIZES 16 22 24 32 48 64 128 256)
