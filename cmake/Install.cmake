# Install layout (GNUInstallDirs) and the Debian package.
include(GNUInstallDirs)

set(KVOR_APP_ID org.kvor.kvor)
set(KVOR_ICON_SIZES 16 22 24 32 48 64 128 256)

set(CPACK_PACKAGE_CONTACT "KVOR maintainers <kvor@localhost>"
    CACHE STRING "Maintainer of the Debian package, also named in its changelog")

install(TARGETS kvor-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Configures data/<path>.in into the same path below the build folder and compresses it there,
# as Debian expects of man pages and changelogs; appends the archive to the list `out`.
function(kvor_compressed path out)
    set(built ${CMAKE_CURRENT_BINARY_DIR}/${path})
    get_filename_component(folder ${built} DIRECTORY)
    get_filename_component(name ${built} NAME)
    configure_file(data/${path}.in ${built} @ONLY)
    add_custom_command(OUTPUT ${built}.gz
                       COMMAND gzip -9nkf ${name}
                       WORKING_DIRECTORY ${folder}
                       DEPENDS ${built}
                       COMMENT "Compressing ${name}")
    set(${out} ${${out}} ${built}.gz PARENT_SCOPE)
endfunction()

set(KVOR_MAN_ARCHIVES "")
kvor_compressed(man/kvor-cli.1 KVOR_MAN_ARCHIVES)
if(KVOR_BUILD_UI)
    kvor_compressed(man/kvor.1 KVOR_MAN_ARCHIVES)
endif()
install(FILES ${KVOR_MAN_ARCHIVES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

execute_process(COMMAND date -R -u -d ${KVOR_RELEASE_DATE}
                OUTPUT_VARIABLE KVOR_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(KVOR_CHANGELOG "")
kvor_compressed(changelog KVOR_CHANGELOG)
install(FILES ${KVOR_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kvor)
add_custom_target(kvor_compressed_docs ALL DEPENDS ${KVOR_MAN_ARCHIVES} ${KVOR_CHANGELOG})

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
