# cmake --install --prefix /opt/talvex-studio lays out the same tree as the
# build folder, minus the portable Data/ folder: common data goes to
# share/Talvex Studio/, and a desktop entry with MIME definitions is added.
include(GNUInstallDirs)

install(TARGETS VYRA Lintara Orvane LIBRARY DESTINATION lib)
install(TARGETS TalvexStudio TalvexStudioUpdater RUNTIME DESTINATION bin)
install(DIRECTORY core/include/ DESTINATION include/talvex FILES_MATCHING PATTERN "*.h")
install(FILES "${CMAKE_BINARY_DIR}/core/vyra_export.h" DESTINATION include/talvex)
install(DIRECTORY DESTINATION Packages/Plugins)
install(DIRECTORY DESTINATION Packages/Ciphers)

install(CODE "
    set(desktop_in \"${PROJECT_SOURCE_DIR}/packaging/talvex-studio.desktop.in\")
    file(READ \"\${desktop_in}\" desktop)
    string(REPLACE \"__TALVEX_PREFIX__\" \"\${CMAKE_INSTALL_PREFIX}\" desktop \"\${desktop}\")
    file(WRITE \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/talvex-studio.desktop\" \"\${desktop}\")
")
install(FILES packaging/talvex-studio-mime.xml DESTINATION share/mime/packages)
install(FILES packaging/talvex-studio.svg DESTINATION share/icons/hicolor/scalable/apps)
