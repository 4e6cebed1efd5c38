# Files of the engine subsystem, included from src/CMakeLists.txt.
