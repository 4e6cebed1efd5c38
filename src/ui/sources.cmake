# Files of the ui subsystem, included from src/CMakeLists.txt.
