# cmake --install --prefix <P> lays out the same tree as the build folder,
# minus the portable Data/ folder: common data goes to <P>/share/Talvex Studio/.
# The desktop entry, MIME definitions, icons and metainfo go where the desktop
# looks for them: <P>/share, or /usr/share with a link /usr/bin/talvex-studio
# when <P> lies under /opt (the Debian package installs to /opt/talvex-studio).
include(GNUInstallDirs)

install(TARGETS VYRA Lintara Orvane TalvexWebView LIBRARY DESTINATION lib)
install(TARGETS TalvexStudio TalvexStudioUpdater TalvexStudioUpdateHelper RUNTIME DESTINATION bin)
install(DIRECTORY core/include/ DESTINATION include/talvex FILES_MATCHING PATTERN "*.h")
install(FILES "${CMAKE_BINARY_DIR}/core/vyra_export.h" DESTINATION include/talvex)
install(DIRECTORY DESTINATION Packages/Plugins)
install(DIRECTORY DESTINATION Packages/Ciphers)
# The core makes these folders at start when they are missing; in an
# installation nobody but the package may write, so the package brings them.
install(DIRECTORY DESTINATION "share/Talvex Studio/Templates")
install(DIRECTORY DESTINATION Projects)

set(TALVEX_INTEGRATION_FILES
    "${PROJECT_SOURCE_DIR}/packaging/talvex-studio.desktop.in"
    "${PROJECT_SOURCE_DIR}/packaging/talvex-studio-mime.xml"
    "${PROJECT_SOURCE_DIR}/packaging/talvex-studio.svg"
    "${CMAKE_BINARY_DIR}/packaging/de.halvorn.TalvexStudio.metainfo.xml"
    "${CMAKE_BINARY_DIR}/packaging/icons")
install(CODE "
    set(talvex_integration_files \"${TALVEX_INTEGRATION_FILES}\")
    set(TALVEX_ICON_SIZES \"${TALVEX_ICON_SIZES}\")
    set(talvex_build_dir \"${CMAKE_BINARY_DIR}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/TalvexInstallIntegration.cmake\")
")
