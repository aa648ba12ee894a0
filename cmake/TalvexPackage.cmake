# make package: the Debian package talvex-studio_<version>_amd64.deb.
# The whole installation lives in /opt/talvex-studio, laid out like the build
# tree, so that the program base folder, the plug-in and cipher folders and the
# update assistant's $INSTDIR keep one meaning; the desktop integration files
# go to /usr/share and a link /usr/bin/talvex-studio starts the program.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "talvex-studio")
set(CPACK_PACKAGE_VENDOR "Halvorn")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor für Webentwickler (PHP, HTML, CSS, JavaScript)")
set(CPACK_PACKAGE_DESCRIPTION "Talvex Studio bearbeitet PHP-, HTML-, CSS-, JavaScript-, XML- und SQL-Dateien
mit Hervorhebung mehrerer Sprachen in einer Datei, Strukturansicht, Code-Vervollständigung,
Projekten, Suche in Dateien und verschlüsselten Dokumenten.")
set(CPACK_PACKAGING_INSTALL_PREFIX "${TALVEX_PACKAGE_PREFIX}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "amd64")
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Halvorn Talvex Studio <talvex-studio@halvorn.invalid>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Our own libraries are found through the programs' RPATH.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_LIBRARY_OUTPUT_DIRECTORY}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "php-cli")
set(CPACK_DEBIAN_COMPRESSION_TYPE "gzip")

include(CPack)
