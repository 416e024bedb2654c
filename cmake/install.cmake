# What `cmake --install` puts in place: the program and, on Linux desktops, its menu entry, software-centre
# description, icons and manual page.
include(GNUInstallDirs)

set(TAPRIKO_APP_ID org.tapriko.Tapriko)
set(TAPRIKO_HOMEPAGE "https://tapriko.org" CACHE STRING "Where the project publishes its pages and pictures")

install(TARGETS tapriko RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
  set(desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
  install(FILES ${desktop_dir}/${TAPRIKO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  configure_file(${desktop_dir}/${TAPRIKO_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/desktop/${TAPRIKO_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/desktop/${TAPRIKO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # Icons: the drawing itself, and pixel sizes rendered from it for menus that want those.
  set(icon_svg ${PROJECT_SOURCE_DIR}/resources/icons/${TAPRIKO_APP_ID}.svg)
  install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  add_executable(svg_to_png src/tools/svg_to_png.cpp)
  target_link_libraries(svg_to_png PRIVATE Qt6::Gui Qt6::Svg)
  set(icon_pngs)
  foreach(size 16 32 48 64 128 256)
    set(png ${PROJECT_BINARY_DIR}/desktop/icons/${size}x${size}/${TAPRIKO_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/desktop/icons/${size}x${size}
                       COMMAND svg_to_png ${icon_svg} ${size} ${png}
                       DEPENDS svg_to_png ${icon_svg} VERBATIM)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND icon_pngs ${png})
  endforeach()

  # The manual page, compressed as Debian keeps them (-n: the same bytes on every build).
  set(man_page ${PROJECT_SOURCE_DIR}/docs/tapriko.1)
  set(man_gz ${PROJECT_BINARY_DIR}/desktop/tapriko.1.gz)
  add_custom_command(OUTPUT ${man_gz} COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${man_page} ${man_gz}
                     DEPENDS ${man_page} VERBATIM)
  install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  add_custom_target(desktop_files ALL DEPENDS ${icon_pngs} ${man_gz})
endif()
