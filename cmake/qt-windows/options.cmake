# Configure options of the Qt that the Windows program ships: a shared release Qt with Core, Gui,
# Widgets and Test, the windows and offscreen platforms and the native style. Loaded with
# "cmake -C"; everything here is part of the cache key of the built Qt.
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(BUILD_SHARED_LIBS ON CACHE BOOL "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(INPUT_opengl no CACHE STRING "")

# Asked for by name: configure stops if something below would take one of them away.
foreach(feature IN ITEMS testlib widgets accessibility translation style_windowsvista freetype
                         harfbuzz png messagebox lineedit pushbutton groupbox label validator)
  set(FEATURE_${feature} ON CACHE BOOL "")
endforeach()

# The program has no use for these modules, the image formats beyond PNG, or system copies of
# the bundled libraries (there are none for MinGW here).
foreach(feature IN ITEMS network sql dbus printsupport concurrent xml opengl vulkan zstd icu
                         jpeg gif ico pkg_config
                         system_zlib system_png system_jpeg system_freetype system_harfbuzz
                         system_pcre2 system_doubleconversion)
  set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()

# The Direct2D platform plugin is a second Windows platform the program never loads. DirectWrite
# fonts stay: Gui builds them when direct2d is on.
set(FEATURE_direct2d1_1 OFF CACHE BOOL "")

# Tablet events need the Wintab headers, which Debian's source leaves out; a pen still works as
# a mouse through Windows pointer messages.
set(FEATURE_tabletevent OFF CACHE BOOL "")

# Widgets and documents the windows never show: a smaller, faster build. (The native style's
# plugin needs the item views, the input dialog, the tab widget, the main window's tool bar
# and menu bar.)
foreach(feature IN ITEMS graphicsview graphicseffect mdiarea calendarwidget datetimeedit
                         treewidget listwidget tablewidget columnview datawidgetmapper
                         colordialog filedialog fontdialog progressdialog errormessage
                         wizard undoview dockwidget statusbar
                         splashscreen lcdnumber dial keysequenceedit commandlinkbutton
                         textbrowser syntaxhighlighter toolbox
                         textodfwriter textmarkdownreader textmarkdownwriter pdf movie
                         systemtrayicon vnc tuiotouch sharedmemory systemsemaphore
                         undocommand undostack undogroup)
  set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()
