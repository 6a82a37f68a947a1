# Install layout (GNUInstallDirs) and the Debian package.
include(GNUInstallDirs)

set(KVOR_APP_ID org.kvor.kvor)
set(KVOR_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS kvor-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Man pages carry the version and are installed compressed, as Debian expects.
set(KVOR_MAN_PAGES kvor-cli.1)
if(KVOR_BUILD_UI)
    list(APPEND KVOR_MAN_PAGES kvor.1)
endif()
set(KVOR_MAN_ARCHIVES "")
foreach(page IN LISTS KVOR_MAN_PAGES)
    set(built ${CMAKE_CURRENT_BINARY_DIR}/man/${page})
    configure_file(data/man/${page}.in ${built} @ONLY)
    add_custom_command(OUTPUT ${built}.gz
                       COMMAND gzip -9nkf ${page}
                       WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/man
                       DEPENDS ${built}
                       COMMENT "Compressing ${page}")
    list(APPEND KVOR_MAN_ARCHIVES ${built}.gz)
endforeach()
add_custom_target(kvor_man ALL DEPENDS ${KVOR_MAN_ARCHIVES})
install(FILES ${KVOR_MAN_ARCHIVES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(KVOR_BUILD_UI)
    install(TARGETS kvor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES data/kvor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    configure_file(data/kvor.metainfo.xml.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${KVOR_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KVOR_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES data/icons/kvor.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size IN LISTS KVOR_ICON_SIZES)
        install(FILES data/icons/hicolor/${size}x${size}/apps/kvor.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvor)
set(CPACK_PACKAGE_VENDOR "KVOR")
set(CPACK_PACKAGE_CONTACT "KVOR maintainers <kvor@localhost>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plan method-comparison studies by Monte Carlo simulation")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KVOR simulates thousands of data sets of two measurement methods X and Y,\n\
fits each by ordinary least squares, weighted least squares or Deming\n\
regression and reports the accuracy of the fitted slope and intercept and\n\
the sample size needed to detect a bias between the methods. The package\n\
holds the desktop program kvor and the headless runner kvor-cli.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Stand-ins for the fonts the window asks for (Arial, Courier New).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
