# Runs the cross-built Windows test programs under Wine: CTest starts each through a wrapper made
# here, which finds Qt's DLLs and plugins, the MinGW runtime and a folder of fonts.
find_program(KAZUYOMI_WINE wine REQUIRED)

# Wine sees the build machine's file system as drive Z:.
function(kazuyomi_wine_path out path)
  string(REPLACE "/" "\\" windows_path "Z:${path}")
  set(${out} "${windows_path}" PARENT_SCOPE)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/MinGWRuntime.cmake)
set(runtime_dirs)
foreach(dll IN LISTS KAZUYOMI_MINGW_RUNTIME_DLLS)
  get_filename_component(dir "${dll}" DIRECTORY)
  list(APPEND runtime_dirs "${dir}")
endforeach()
list(REMOVE_DUPLICATES runtime_dirs)

get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin_dir "${qt_core_dll}" DIRECTORY)
set(wine_dll_dirs)
foreach(dir IN LISTS qt_bin_dir runtime_dirs)
  kazuyomi_wine_path(windows_dir "${dir}")
  list(APPEND wine_dll_dirs "${windows_dir}")
endforeach()
list(JOIN wine_dll_dirs "\;" KAZUYOMI_WINEPATH)

# Qt's offscreen platform on Windows reads the fonts of one folder only: the faces that stand in
# for the designed ones, gathered from Debian's font packages.
set(font_dir ${PROJECT_BINARY_DIR}/wine-fonts)
file(MAKE_DIRECTORY ${font_dir})
foreach(font IN ITEMS opentype/ipafont-gothic/ipagp.ttf opentype/ipafont-gothic/ipag.ttf
                      truetype/dejavu/DejaVuSans.ttf truetype/dejavu/DejaVuSans-Bold.ttf
                      truetype/dejavu/DejaVuSansMono.ttf truetype/dejavu/DejaVuSansMono-Bold.ttf
                      truetype/dejavu/DejaVuSansMono-Oblique.ttf
                      truetype/dejavu/DejaVuSansMono-BoldOblique.ttf
                      truetype/liberation2/LiberationMono-Regular.ttf
                      truetype/liberation2/LiberationMono-BoldItalic.ttf)
  if(NOT EXISTS /usr/share/fonts/${font})
    message(FATAL_ERROR "/usr/share/fonts/${font} is missing: run scripts/setup")
  endif()
  get_filename_component(name ${font} NAME)
  file(CREATE_LINK /usr/share/fonts/${font} ${font_dir}/${name} SYMBOLIC)
endforeach()
kazuyomi_wine_path(KAZUYOMI_WINE_FONTDIR "${font_dir}")
set(KAZUYOMI_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)

configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.in ${PROJECT_BINARY_DIR}/wine-run
  @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                         WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
# Listing a test program's cases means starting it under Wine: at test time, not while building.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
