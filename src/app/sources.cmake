# Files of the app subsystem, included from src/CMakeLists.txt.

# Where the update checker looks for newer versions. Builds for other channels (or a test
# server) set it at configure time; nothing at run time can change it.
set(KESTRUNE_APPCAST_URL "https://kestrune.example/appcast.xml" CACHE STRING "Address of the appcast feed the update checker reads")

target_sources(kestrune_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/updatercontroller.h ${CMAKE_CURRENT_LIST_DIR}/updatercontroller.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/updatercontroller.cpp PROPERTIES
  COMPILE_DEFINITIONS "KESTRUNE_APPCAST_URL=\"${KESTRUNE_APPCAST_URL}\"")

# Desktop integration: the launcher entry, the software-centre description and the icon, all
# named after the application id (the D-Bus service, manual page and Debian's files are
# installed with the package rules).
set(KESTRUNE_APP_ID org.kestrune.Kestrune)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/data/${KESTRUNE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/data/${KESTRUNE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/data/${KESTRUNE_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The shell completes the terminal's options; bash-completion loads it by the command's name.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/data/kestrune.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kestrune)

target_sources(kestrune_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/applicationid.h
  ${CMAKE_CURRENT_LIST_DIR}/kestruneapp.h ${CMAKE_CURRENT_LIST_DIR}/kestruneapp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unixsignals.h ${CMAKE_CURRENT_LIST_DIR}/unixsignals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/terminalconversion.h ${CMAKE_CURRENT_LIST_DIR}/terminalconversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackslisting.h ${CMAKE_CURRENT_LIST_DIR}/trackslisting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/terminaltext.h ${CMAKE_CURRENT_LIST_DIR}/terminaltext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/terminalrequest.h ${CMAKE_CURRENT_LIST_DIR}/terminaljoin.h ${CMAKE_CURRENT_LIST_DIR}/terminaljoin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commandline.h ${CMAKE_CURRENT_LIST_DIR}/commandline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/aboutinfo.h ${CMAKE_CURRENT_LIST_DIR}/aboutinfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dbuscall.h
  ${CMAKE_CURRENT_LIST_DIR}/sleepinhibitor.h ${CMAKE_CURRENT_LIST_DIR}/sleepinhibitor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktopnotifier.h ${CMAKE_CURRENT_LIST_DIR}/desktopnotifier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcherentry.h ${CMAKE_CURRENT_LIST_DIR}/launcherentry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/batchsession.h ${CMAKE_CURRENT_LIST_DIR}/batchsession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogfilepicker.h ${CMAKE_CURRENT_LIST_DIR}/dialogfilepicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktopfilerevealer.h ${CMAKE_CURRENT_LIST_DIR}/desktopfilerevealer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/applicationservice.h ${CMAKE_CURRENT_LIST_DIR}/applicationservice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/localpaths.h ${CMAKE_CURRENT_LIST_DIR}/localpaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/translations.h ${CMAKE_CURRENT_LIST_DIR}/translations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/terminalprogress.h ${CMAKE_CURRENT_LIST_DIR}/terminalprogress.cpp)
# An X11 window is brought forward with the time of the user's click, sent to the window
# manager directly.
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
target_link_libraries(kestrune_lib PRIVATE PkgConfig::XCB)
list(APPEND KESTRUNE_QML_FILES
  ${CMAKE_CURRENT_LIST_DIR}/qml/Main.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/AboutDialog.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/UpdateDialog.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/UpdaterCommands.qml)
# The icon doubles as the window icon and the About dialog's picture.
list(APPEND KESTRUNE_QML_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/data/${KESTRUNE_APP_ID}.svg)
