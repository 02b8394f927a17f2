# KAZUYOMI_MINGW_RUNTIME_DLLS: the MinGW-w64 runtime DLLs that the program and Qt load (C++
# library, GCC support, POSIX threads), found where the compiler itself finds them.
set(KAZUYOMI_MINGW_RUNTIME_DLLS)
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(path "${path}" REALPATH)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
  endif()
  list(APPEND KAZUYOMI_MINGW_RUNTIME_DLLS "${path}")
endforeach()
