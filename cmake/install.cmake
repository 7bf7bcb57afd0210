# `cmake --install`: the program, its desktop entry, icons, AppStream
# metadata and documentation under the GNU installation directories.
include(GNUInstallDirs)

install(TARGETS tesvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tesvik-app RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tesvik)
install(FILES packaging/${TESVIK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${TESVIK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the SVG as drawn, and PNGs rendered from it for the sizes that
# menus and task bars ask for.
set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES packaging/tesvik.svg DESTINATION ${icon_dir}/scalable/apps)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_pngs)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}/tesvik.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${CMAKE_SOURCE_DIR}/packaging/tesvik.svg
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/tesvik.svg VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${icon_dir}/${size}x${size}/apps)
endforeach()

# The Debian changelog and copyright go with the documentation; the manual
# page beside the program.
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND sh -c "gzip -9n -c '${CMAKE_SOURCE_DIR}/packaging/changelog' > '${changelog}'"
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog VERBATIM)
set(manual ${CMAKE_BINARY_DIR}/tesvik.1.gz)
add_custom_command(OUTPUT ${manual}
  COMMAND sh -c "gzip -9n -c '${CMAKE_SOURCE_DIR}/packaging/tesvik.1' > '${manual}'"
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/tesvik.1 VERBATIM)
install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
add_custom_target(tesvik_install_files ALL DEPENDS ${icon_pngs} ${changelog} ${manual})
install(FILES README.md packaging/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES docs/conditions.md docs/front-three.png docs/front-six.png docs/history-check.png DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
install(FILES resources/DM.jpg DESTINATION ${CMAKE_INSTALL_DOCDIR}/resources)  # the pictures of conditions.md
