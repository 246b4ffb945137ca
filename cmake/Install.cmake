# The installed program, laid out the FHS way, and its Debian package (cpack -G DEB).
#   bin/mealvane                 the launcher users start (works in the user's own folder)
#   lib/mealvane/mealvane        the program, with its manual in lib/mealvane/help and its translations
#                                in lib/mealvane/translations
#   share/mealvane               the starter recipe book, read-only
#   share/applications, share/metainfo, share/icons/hicolor, share/man, share/doc/mealvane
include(GNUInstallDirs)
set(MEALVANE_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)
set(MEALVANE_APP_ID org.mealvane.Mealvane)

install(TARGETS mealvane RUNTIME DESTINATION lib/mealvane)
install(DIRECTORY ${CMAKE_BINARY_DIR}/help/ DESTINATION lib/mealvane/help)
install(FILES ${MEALVANE_QM_FILES} DESTINATION lib/mealvane/translations)
install(PROGRAMS ${MEALVANE_DESKTOP_DIR}/mealvane-launcher.sh DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME mealvane)
install(FILES ${CMAKE_BINARY_DIR}/starter/MealvaneData40.mdb DESTINATION ${CMAKE_INSTALL_DATADIR}/mealvane
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${MEALVANE_DESKTOP_DIR}/${MEALVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MEALVANE_DESKTOP_DIR}/${MEALVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MEALVANE_DESKTOP_DIR}/${MEALVANE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The icon drawn at each size the desktop asks for, and the compressed man page and changelog.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)
set(MEALVANE_GENERATED)
foreach(size 16 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${MEALVANE_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${MEALVANE_DESKTOP_DIR}/${MEALVANE_APP_ID}.svg
        DEPENDS ${MEALVANE_DESKTOP_DIR}/${MEALVANE_APP_ID}.svg)
    list(APPEND MEALVANE_GENERATED ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
foreach(page mealvane.1 doc/changelog)
    get_filename_component(name ${page} NAME)
    set(gz ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND ${GZIP} -9nc ${MEALVANE_DESKTOP_DIR}/${page} > ${gz}
        DEPENDS ${MEALVANE_DESKTOP_DIR}/${page})
    list(APPEND MEALVANE_GENERATED ${gz})
endforeach()
add_custom_target(desktop_files ALL DEPENDS ${MEALVANE_GENERATED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/mealvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${MEALVANE_DESKTOP_DIR}/doc/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mealvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mealvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Mealvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "meal planner for households")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Mealvane developers <developers@mealvane.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.mealvane.org/")
set(CPACK_PACKAGE_DESCRIPTION "Mealvane keeps a household's recipe book, an ingredient catalogue and a menu
for every week. Plan a week day by day or on a grid of 42 boxes, by hand or at
random; derive the week's shopping list from the menu and edit it; find
recipes by name or by ingredients; print the menu, the list and the recipes;
send a recipe to the mail program.")
# The libraries the program links are found by dpkg-shlibdeps; what it loads or starts at run time is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the reports fall back to for Chinese, Japanese and Korean names and for emoji; the image
# formats plugin reads the WebP pictures of recipe pages; the toolkit's own dialogs speak the user's language.
string(CONCAT CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins, qt6-translations-l10n, xdg-utils, "
       "fonts-liberation2, fonts-dejavu-core, fonts-noto-cjk, fonts-symbola")
# The secret store keeps the sharing password: the desktop's own, of GNOME or of KDE.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-color-emoji, gnome-keyring | libkf5wallet-bin")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
