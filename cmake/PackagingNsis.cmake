# The Windows installer: `cpack -G NSIS` in a Windows build writes Dorvane-<version>-win64.exe.
# Included before the install rules, so that Dorvane.exe lands in the top folder beside its DLLs.
if(NOT DORVANE_GUI)
    return()
endif()
# A plain variable, as Qt or an earlier run may already have cached "bin".
set(CMAKE_INSTALL_BINDIR .)

# Qt finds its plugins in these folders beside the executable.
# The native style (windowsvista) gives the look of the Windows version it runs on; without it
# Qt draws the classic Windows 95 controls.
set(_dorvane_plugins
    platforms Qt6::QWindowsIntegrationPlugin
    styles Qt6::QWindowsVistaStylePlugin)
set(_dorvane_plugin_files)
while(_dorvane_plugins)
    list(POP_FRONT _dorvane_plugins _folder _target)
    install(FILES $<TARGET_FILE:${_target}> DESTINATION ${_folder})
    list(APPEND _dorvane_plugin_files "$<TARGET_FILE:${_target}>")
endwhile()

# The DLLs are those that the executable and the plugins import, followed through Qt's own folder,
# so that the set follows the modules the program links.
get_target_property(_dorvane_qtcore Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT _dorvane_qtcore)
    get_target_property(_dorvane_qtcore Qt6::Core LOCATION)
endif()
get_filename_component(DORVANE_QT_BINDIR "${_dorvane_qtcore}" DIRECTORY)
find_program(DORVANE_OBJDUMP NAMES ${CMAKE_OBJDUMP} x86_64-w64-mingw32-objdump objdump)
# A DLL that is neither there nor Windows' own would be missing on the user's machine. Cross-built,
# Windows' own are those that MinGW has an import library for; on Windows, those in System32.
if(CMAKE_CROSSCOMPILING)
    set(DORVANE_SYSTEM_DLLS "${CMAKE_FIND_ROOT_PATH}/lib")
else()
    file(TO_CMAKE_PATH "$ENV{SystemRoot}/System32" DORVANE_SYSTEM_DLLS)
endif()
if(NOT DORVANE_OBJDUMP)
    install(CODE "message(FATAL_ERROR \"The Windows package needs objdump (MinGW's binutils) to find its DLLs\")")
endif()
install(CODE "
    set(OBJDUMP \"${DORVANE_OBJDUMP}\")
    set(FILES \"$<TARGET_FILE:dorvane>\" ${_dorvane_plugin_files})
    set(SEARCH_DIR \"${DORVANE_QT_BINDIR}\")
    set(SYSTEM_DLLS \"${DORVANE_SYSTEM_DLLS}\")
    set(DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
    include(\"${CMAKE_CURRENT_LIST_DIR}/WindowsDlls.cmake\")
")

set(CPACK_PACKAGE_NAME Dorvane)
set(CPACK_PACKAGE_VENDOR "The Dorvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Dorvane)
# Never "Dorvane" with the vendor "Dorvane": the uninstaller deletes Software\<vendor>\<this key>,
# under the current user when installed without administrator rights, and
# Software\Dorvane\Dorvane holds the user's settings.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Dorvane ${PROJECT_VERSION}")
set(CPACK_PACKAGE_EXECUTABLES Dorvane Dorvane)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR NSIS)
# The NSIS commands below are written as NSIS reads them.
set(CPACK_VERBATIM_VARIABLES ON)

set(CPACK_NSIS_PACKAGE_NAME Dorvane)
set(CPACK_NSIS_DISPLAY_NAME Dorvane)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/dorvane.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/dorvane.ico")
# Apps & features shows the icon embedded in the program, which is dorvane.ico.
set(CPACK_NSIS_INSTALLED_ICON_NAME Dorvane.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

# Windows keeps the files of a running program, and Dorvane runs from the Startup folder, so the
# installer and the uninstaller first end it as a logoff does (WM_QUERYENDSESSION, then
# WM_ENDSESSION TRUE, to its window, hidden or not). That loses nothing: every setting was saved
# when it was made. They wait up to 5 s for its window to go, and a moment for the process.
set(_dorvane_end_running "
  StrCpy $1 0
  dorvane_end:
    FindWindow $0 \"\" \"Dorvane: Configuration\"
    StrCmp $0 0 dorvane_ended
    SendMessage $0 0x0011 0 0x80000000 /TIMEOUT=5000
    SendMessage $0 0x0016 1 0x80000000 /TIMEOUT=5000
    Sleep 200
    IntOp $1 $1 + 1
    IntCmp $1 25 dorvane_ended dorvane_end dorvane_ended
  dorvane_ended:
  IntCmp $1 0 +2
    Sleep 500
")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "${_dorvane_end_running}")

# Dorvane runs at every logon of the user who installs it, through a shortcut in that user's own
# Startup folder, which the user may delete to turn this off. An installation by an administrator
# otherwise puts shortcuts in the all-users folders; $SMPROGRAMS tells which context was in force.
set(_dorvane_startup_link "$SMSTARTUP\\Dorvane.lnk")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  StrCpy $0 $SMPROGRAMS
  SetShellVarContext current
  CreateShortCut \"${_dorvane_startup_link}\" \"$INSTDIR\\Dorvane.exe\"
  StrCmp $0 $SMPROGRAMS +2
    SetShellVarContext all
")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "${_dorvane_end_running}
  StrCpy $0 $SMPROGRAMS
  SetShellVarContext current
  Delete \"${_dorvane_startup_link}\"
  StrCmp $0 $SMPROGRAMS +2
    SetShellVarContext all
")

# makensis otherwise writes a 32-bit installer, which a Windows or Wine without 32-bit support
# cannot start. CPack puts its own option sign (- or /) in front, joins the arguments into one
# command line and splits that at spaces, quotes only counting at the start of an argument: hence
# the escaped spaces.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS [[XUnicode\ true]] [[XTarget\ amd64-unicode]])
if(CMAKE_VERSION VERSION_LESS 3.25)
    message(WARNING "CPack before CMake 3.25 passes no options to makensis: the installer will be a 32-bit program")
endif()
include(CPack)
