# Third-party libraries, all from Debian's packages (scripts/install-deps.sh).

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Network PrintSupport Concurrent Svg WebEngineWidgets)
find_package(PkgConfig REQUIRED)
pkg_check_modules(PCRE2_16 REQUIRED IMPORTED_TARGET libpcre2-16)
find_package(pugixml REQUIRED)
find_package(OpenSSL REQUIRED COMPONENTS Crypto)

# QScintilla ships no CMake configuration for Qt 6.
find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt6 REQUIRED)
find_path(QSCINTILLA_INCLUDE_DIR NAMES Qsci/qsciscintilla.h
    HINTS ${Qt6Core_INCLUDE_DIRS} /usr/include/x86_64-linux-gnu/qt6 REQUIRED)
add_library(Talvex::QScintilla UNKNOWN IMPORTED)
set_target_properties(Talvex::QScintilla PROPERTIES
    IMPORTED_LOCATION "${QSCINTILLA_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QSCINTILLA_INCLUDE_DIR}")
target_link_libraries(Talvex::QScintilla INTERFACE Qt6::Widgets Qt6::PrintSupport)

if(TALVEX_BUILD_TESTS)
    find_package(GTest REQUIRED)
    # QTest's key and mouse events drive the real widgets in tests.
    find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
    include(GoogleTest)
endif()
find_package(benchmark QUIET)
# ZIP archives of the online update.
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
