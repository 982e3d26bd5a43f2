# Installing: the program, its level files, the desktop entry, the icon, the
# AppStream metadata and the manual page. The installed program finds its data
# folder relative to itself, or else in the folder compiled in here.
include(GNUInstallDirs)

set(HELI_APP_ID cz.kovra.HeliRescue)
set(HELI_ICON_SIZES 48 64 128 256)
target_compile_definitions(heli_game PRIVATE
                           HELI_INSTALLED_DATA_DIR="${CMAKE_INSTALL_FULL_DATADIR}/heli-rescue"
                           HELI_INSTALLED_LOCALE_DIR="${CMAKE_INSTALL_FULL_LOCALEDIR}")

# The manual page, from the same texts as --help.
set(HELI_MAN_PAGE ${CMAKE_BINARY_DIR}/heli-rescue.6)
add_custom_command(OUTPUT ${HELI_MAN_PAGE}
                   COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:heli-rescue>
                           -DOUTPUT=${HELI_MAN_PAGE} -P ${CMAKE_SOURCE_DIR}/cmake/man_page.cmake
                   DEPENDS heli-rescue ${CMAKE_SOURCE_DIR}/cmake/man_page.cmake
                   COMMENT "Writing the manual page" VERBATIM)

# The icon, drawn from the built-in helicopter pictures.
set(HELI_ICONS)
foreach(size ${HELI_ICON_SIZES})
  list(APPEND HELI_ICONS ${CMAKE_BINARY_DIR}/icons/${size}.png)
endforeach()
add_custom_command(OUTPUT ${HELI_ICONS}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons
                   COMMAND make_icon ${CMAKE_BINARY_DIR}/icons ${HELI_ICON_SIZES}
                   DEPENDS make_icon COMMENT "Drawing the icon" VERBATIM)

set(HELI_METAINFO ${CMAKE_BINARY_DIR}/${HELI_APP_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/dist/${HELI_APP_ID}.metainfo.xml.in ${HELI_METAINFO} @ONLY)
set(HELI_DESKTOP_FILE ${CMAKE_SOURCE_DIR}/dist/${HELI_APP_ID}.desktop)

add_custom_target(heli_install_files ALL DEPENDS ${HELI_MAN_PAGE} ${HELI_ICONS})

install(TARGETS heli-rescue RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(LEVEL_FILES)
  install(FILES ${LEVEL_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/heli-rescue/data)
endif()
if(LEVEL_FILES_EN)
  install(FILES ${LEVEL_FILES_EN} DESTINATION ${CMAKE_INSTALL_DATADIR}/heli-rescue/data/en)
endif()
install(FILES ${HELI_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${HELI_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${HELI_ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${HELI_APP_ID}.png)
endforeach()
install(FILES ${HELI_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${HELI_CATALOGUE} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/en/LC_MESSAGES)
