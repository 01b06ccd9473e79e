# Installing Querndale as a desktop application, and its Debian package.
include(GNUInstallDirs)

# The help page beside the program in the build tree, where the Help button looks first.
configure_file(${PROJECT_SOURCE_DIR}/res/help/index.html ${PROJECT_BINARY_DIR}/help/index.html
               COPYONLY)

install(TARGETS querndale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/res/help/index.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/querndale/help)
install(FILES ${PROJECT_SOURCE_DIR}/res/querndale.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/querndale.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/querndale-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME querndale.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME querndale)
set(CPACK_PACKAGE_VENDOR "Querndale")
set(CPACK_PACKAGE_CONTACT "Querndale developers <querndale@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Keeps a web site's page list, writes its XML sitemap and uploads it by FTP")
set(CPACK_PACKAGE_INSTALL_DIRECTORY querndale)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
# What the program needs at run time: Qt 6 Widgets (which brings Gui and Core) and libcurl.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libcurl4 (>= 7.88)")
include(CPack)
