# Files of the engine subsystem, included from src/CMakeLists.txt.
target_sources(kestrune_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/outputformat.h ${CMAKE_CURRENT_LIST_DIR}/outputformat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/outputnaming.h ${CMAKE_CURRENT_LIST_DIR}/outputnaming.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ffmpegrunner.h ${CMAKE_CURRENT_LIST_DIR}/ffmpegrunner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/progressparser.h ${CMAKE_CURRENT_LIST_DIR}/progressparser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mediaprobe.h ${CMAKE_CURRENT_LIST_DIR}/mediaprobe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remuxchecks.h ${CMAKE_CURRENT_LIST_DIR}/remuxchecks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/failurereason.h ${CMAKE_CURRENT_LIST_DIR}/failurereason.cpp
  ${CMAKE_CURRENT_LIST_DIR}/outputcommit.h ${CMAKE_CURRENT_LIST_DIR}/outputcommit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/retrypolicy.h ${CMAKE_CURRENT_LIST_DIR}/retrypolicy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remuxjob.h ${CMAKE_CURRENT_LIST_DIR}/remuxjob.cpp)
