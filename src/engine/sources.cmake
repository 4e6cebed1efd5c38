# Files of the engine subsystem, included from src/CMakeLists.txt.
target_sources(kestrune_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/outputformat.h ${CMAKE_CURRENT_LIST_DIR}/outputformat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/outputnaming.h ${CMAKE_CURRENT_LIST_DIR}/outputnaming.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sidefiles.h ${CMAKE_CURRENT_LIST_DIR}/sidefiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/textencoding.h ${CMAKE_CURRENT_LIST_DIR}/textencoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackrule.h ${CMAKE_CURRENT_LIST_DIR}/trackrule.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackrulesentence.cpp ${CMAKE_CURRENT_LIST_DIR}/trackrulesettings.cpp ${CMAKE_CURRENT_LIST_DIR}/trackruleoptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackchoice.h
  ${CMAKE_CURRENT_LIST_DIR}/sideinputreader.h ${CMAKE_CURRENT_LIST_DIR}/sideinputreader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unreadabletracks.h ${CMAKE_CURRENT_LIST_DIR}/unreadabletracks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ffmpegrunner.h ${CMAKE_CURRENT_LIST_DIR}/ffmpegrunner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/progressparser.h ${CMAKE_CURRENT_LIST_DIR}/progressparser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mediaprobe.h ${CMAKE_CURRENT_LIST_DIR}/mediaprobe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remuxchecks.h ${CMAKE_CURRENT_LIST_DIR}/remuxchecks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/failurereason.h ${CMAKE_CURRENT_LIST_DIR}/failurereason.cpp
  ${CMAKE_CURRENT_LIST_DIR}/outputcommit.h ${CMAKE_CURRENT_LIST_DIR}/outputcommit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/retrypolicy.h ${CMAKE_CURRENT_LIST_DIR}/retrypolicy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ffmpegprocess.h ${CMAKE_CURRENT_LIST_DIR}/ffmpegprocess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/diskcall.h ${CMAKE_CURRENT_LIST_DIR}/diskcall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/languagecodes.h ${CMAKE_CURRENT_LIST_DIR}/languagecodes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/containertable.h ${CMAKE_CURRENT_LIST_DIR}/containertable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackplan.h ${CMAKE_CURRENT_LIST_DIR}/trackplan.cpp ${CMAKE_CURRENT_LIST_DIR}/trackplanpicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trackselection.h ${CMAKE_CURRENT_LIST_DIR}/trackselection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remuxoutcome.h ${CMAKE_CURRENT_LIST_DIR}/remuxoutcome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ffmpegarguments.h ${CMAKE_CURRENT_LIST_DIR}/ffmpegarguments.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remuxjob.h ${CMAKE_CURRENT_LIST_DIR}/remuxjob.cpp ${CMAKE_CURRENT_LIST_DIR}/remuxjobsteps.h
  ${CMAKE_CURRENT_LIST_DIR}/remuxjobinputs.cpp ${CMAKE_CURRENT_LIST_DIR}/remuxjobverdict.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joincheck.h ${CMAKE_CURRENT_LIST_DIR}/joincheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joinsource.h ${CMAKE_CURRENT_LIST_DIR}/joinsource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joinjob.h ${CMAKE_CURRENT_LIST_DIR}/joinjob.cpp)

# The detector of a subtitle's character set, as video players use it for the same files.
pkg_check_modules(UCHARDET REQUIRED IMPORTED_TARGET uchardet)
target_link_libraries(kestrune_lib PRIVATE PkgConfig::UCHARDET)

# The reading half of the media probe: a module loaded on first use, so libavformat is not mapped
# before the first window.
add_library(kestrune_probe MODULE ${CMAKE_CURRENT_LIST_DIR}/probereader.cpp)
set_target_properties(kestrune_probe PROPERTIES OUTPUT_NAME kestrune-probe LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_include_directories(kestrune_probe PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(kestrune_probe PRIVATE QT_NO_KEYWORDS)
target_link_libraries(kestrune_probe PRIVATE Qt6::Core QCoro6::Core PkgConfig::LIBAV)
add_dependencies(kestrune_lib kestrune_probe)
# Installed as <prefix>/lib/kestrune/modules/, found from the program's own folder whatever the
# prefix; a folder below lib/kestrune, since packaging adds ldconfig calls for what sits in
# lib/<name>/, which a private module does not need.
install(TARGETS kestrune_probe LIBRARY DESTINATION lib/kestrune/modules)
target_compile_definitions(kestrune_lib PRIVATE KESTRUNE_PROBE_BUILD_DIR="${CMAKE_CURRENT_BINARY_DIR}")
target_link_libraries(kestrune_lib PUBLIC ${CMAKE_DL_LIBS})
