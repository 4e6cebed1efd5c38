# Files of the app subsystem, included from src/CMakeLists.txt.
