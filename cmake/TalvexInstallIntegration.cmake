# Runs at install time (see TalvexInstall.cmake): installs the desktop
# integration files for the prefix being installed to. DESTDIR applies to the
# absolute destinations of file(INSTALL); the link is made by hand below it.
list(GET talvex_integration_files 0 desktop_in)
list(GET talvex_integration_files 1 mime_xml)
list(GET talvex_integration_files 2 icon_svg)
list(GET talvex_integration_files 3 metainfo)
list(GET talvex_integration_files 4 icon_dir)

if(CMAKE_INSTALL_PREFIX MATCHES "^/opt/")
    # Nothing under /opt is on the desktop's search paths.
    set(share "/usr/share")
    set(link "$ENV{DESTDIR}/usr/bin/talvex-studio")
    get_filename_component(link_folder "${link}" DIRECTORY)
    file(MAKE_DIRECTORY "${link_folder}")
    file(CREATE_LINK "${CMAKE_INSTALL_PREFIX}/bin/TalvexStudio" "${link}" SYMBOLIC)
    message(STATUS "Installing: ${link}")
else()
    set(share "${CMAKE_INSTALL_PREFIX}/share")
endif()

file(READ "${desktop_in}" desktop)
string(REPLACE "__TALVEX_PREFIX__" "${CMAKE_INSTALL_PREFIX}" desktop "${desktop}")
set(desktop_out "${talvex_build_dir}/packaging/talvex-studio.desktop")
file(WRITE "${desktop_out}" "${desktop}")
file(INSTALL "${desktop_out}" DESTINATION "${share}/applications" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(INSTALL "${mime_xml}" DESTINATION "${share}/mime/packages" RENAME "talvex-studio.xml")
file(INSTALL "${metainfo}" DESTINATION "${share}/metainfo")
file(INSTALL "${icon_svg}" DESTINATION "${share}/icons/hicolor/scalable/apps")
foreach(size IN LISTS TALVEX_ICON_SIZES)
    file(INSTALL "${icon_dir}/${size}x${size}/apps/talvex-studio.png"
        DESTINATION "${share}/icons/hicolor/${size}x${size}/apps")
endforeach()
