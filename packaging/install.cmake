# What `make install` (cmake --install, PREFIX and DESTDIR honoured) puts
# where: the game in bin/, its resource tree in share/zelk/, and what a
# desktop needs to offer it: the menu entry, its icon at four sizes, the
# description software centres show, and the manual page.
set(ZELK_APP_ID net.zelkgame.zelk)

install(TARGETS zelk RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

# The whole tree the build made, whatever it holds, but for the build's stamp,
# the desktop icons (installed below), the optional tables of six pieces a
# side (installed apart, if at all) and what a game run from the source
# tree wrote into it for its user.
install(DIRECTORY "${ZELK_DATA_DIR}/" DESTINATION "${ZELK_INSTALLED_TREE}"
  PATTERN ".generated" EXCLUDE
  PATTERN "endgames-6.zdb" EXCLUDE
  PATTERN "icons" EXCLUDE
  PATTERN "zelk.conf*" EXCLUDE
  PATTERN ".zelk.conf*" EXCLUDE
  PATTERN "zelk.window*" EXCLUDE
  PATTERN "*.tmp" EXCLUDE
  PATTERN "log.txt" EXCLUDE
  PATTERN "*.bmp" EXCLUDE)

foreach(size 48 64 128 256)
  install(FILES "${ZELK_DATA_DIR}/icons/zelk-${size}.png"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
    RENAME "${ZELK_APP_ID}.png")
endforeach()
install(FILES "${CMAKE_CURRENT_LIST_DIR}/${ZELK_APP_ID}.desktop"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_CURRENT_LIST_DIR}/${ZELK_APP_ID}.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${CMAKE_CURRENT_LIST_DIR}/zelk.6" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
