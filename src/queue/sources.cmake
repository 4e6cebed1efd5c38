# Files of the queue subsystem, included from src/CMakeLists.txt.
target_sources(kestrune_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/inputfile.h ${CMAKE_CURRENT_LIST_DIR}/inputfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/filelistmodel.h ${CMAKE_CURRENT_LIST_DIR}/filelistmodel.cpp ${CMAKE_CURRENT_LIST_DIR}/filelistorder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joinmodel.h ${CMAKE_CURRENT_LIST_DIR}/joinmodel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackmaps.h ${CMAKE_CURRENT_LIST_DIR}/trackmaps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackstore.h ${CMAKE_CURRENT_LIST_DIR}/trackstore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platformservices.h
  ${CMAKE_CURRENT_LIST_DIR}/sourcecollector.h ${CMAKE_CURRENT_LIST_DIR}/sourcecollector.cpp
  ${CMAKE_CURRENT_LIST_DIR}/outputdestination.h ${CMAKE_CURRENT_LIST_DIR}/outputdestination.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fileadder.h ${CMAKE_CURRENT_LIST_DIR}/fileadder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackreader.h ${CMAKE_CURRENT_LIST_DIR}/trackreader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/batchdriver.h ${CMAKE_CURRENT_LIST_DIR}/batchdriver.cpp ${CMAKE_CURRENT_LIST_DIR}/batchwake.h ${CMAKE_CURRENT_LIST_DIR}/batchjoin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fileoutcome.h ${CMAKE_CURRENT_LIST_DIR}/fileoutcome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/batchmodel.h ${CMAKE_CURRENT_LIST_DIR}/batchmodel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/destinationmodel.h ${CMAKE_CURRENT_LIST_DIR}/destinationmodel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackrulemodel.h ${CMAKE_CURRENT_LIST_DIR}/trackrulemodel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remuxviewmodel.h ${CMAKE_CURRENT_LIST_DIR}/remuxviewmodel.cpp)
