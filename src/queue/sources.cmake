# Files of the queue subsystem, included from src/CMakeLists.txt.
target_sources(kestrune_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/outputformat.h ${CMAKE_CURRENT_LIST_DIR}/outputformat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inputfile.h ${CMAKE_CURRENT_LIST_DIR}/inputfile.cpp)
