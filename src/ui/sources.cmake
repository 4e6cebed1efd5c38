# Files of the ui subsystem, included from src/CMakeLists.txt.
# The generated QML type registrations include each QML_ELEMENT header by its bare file name.
target_include_directories(kestrune_lib PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_sources(kestrune_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/thememanager.h ${CMAKE_CURRENT_LIST_DIR}/thememanager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viewtext.h ${CMAKE_CURRENT_LIST_DIR}/viewtext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windowstyle.h ${CMAKE_CURRENT_LIST_DIR}/windowstyle.cpp)

list(APPEND KESTRUNE_QML_FILES
  ${CMAKE_CURRENT_LIST_DIR}/qml/SymbolIcon.qml)
