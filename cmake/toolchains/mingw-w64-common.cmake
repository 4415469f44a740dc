# Shared by the mingw-w64 toolchain files, which set PENDREL_MINGW_TRIPLET first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${PENDREL_MINGW_TRIPLET})

# The -posix compilers: GoogleTest needs their thread model (std::mutex, std::thread).
set(CMAKE_C_COMPILER ${PENDREL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PENDREL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PENDREL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PENDREL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs the test programs; its prefix and display come from the environment.
find_program(PENDREL_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PENDREL_WINE})

# The C and C++ runtimes are linked in, so no mingw DLL has to be found beside a program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
