# Files of the ui subsystem, included from src/CMakeLists.txt.
target_sources(kestrune_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/thememanager.h ${CMAKE_CURRENT_LIST_DIR}/thememanager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viewtext.h ${CMAKE_CURRENT_LIST_DIR}/viewtext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windowstyle.h ${CMAKE_CURRENT_LIST_DIR}/windowstyle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/units.h)

list(APPEND KESTRUNE_QML_FILES
  ${CMAKE_CURRENT_LIST_DIR}/qml/ContentView.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/FormatRow.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/TrackRuleRow.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/TrackRuleEditor.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/TrackRuleLanguages.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/TrackRuleSwitches.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/LanguagePicker.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/TrackLine.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/WindowCheckBox.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/JoinCheckBox.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/WindowRadioButton.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/BatchStatus.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/FilesArea.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/FileListEntry.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/PartOrderDrag.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/FileRowView.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/FileRowTracks.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/ConvertingReadout.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/OutputDestinationMenu.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/BatchSummaryBanner.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/FormatTileStyle.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/WindowButton.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/MenuEntry.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/MenuRule.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/ToolbarButton.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/ConvertButton.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/LinkButton.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/BorderedButton.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/HelpTip.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/IconButton.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/FocusRing.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/DisclosureHeader.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/KeepOriginalCheckBox.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/LinearProgress.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/CircularProgress.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/Spinner.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/RoundedOutline.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/SymbolIcon.qml
  ${CMAKE_CURRENT_LIST_DIR}/qml/WindowText.qml)
