# Run by CPack once it has staged the installation (CPACK_PRE_BUILD_SCRIPTS): gives the
# uninstaller, as DORVANE_INSTALLED, the staged files and folders, each entry before its folder,
# to be removed or marked for removal at the next restart.
file(GLOB_RECURSE _entries LIST_DIRECTORIES true RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
     "${CPACK_TEMPORARY_DIRECTORY}/*")
list(SORT _entries ORDER DESCENDING)
set(_macro "!macro DORVANE_INSTALLED\n")
foreach(_entry IN LISTS _entries)
    set(_command "Delete /REBOOTOK")
    if(IS_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}/${_entry}")
        set(_command "!insertmacro DORVANE_LEFTOVER_DIR")
    endif()
    string(REPLACE "/" "\\" _entry "${_entry}")
    string(APPEND _macro "  ${_command} \"$INSTDIR\\${_entry}\"\n")
endforeach()
string(APPEND _macro "!macroend\n")
# Before the uninstaller's function that inserts it.
set(CPACK_NSIS_DEFINES "${_macro}${CPACK_NSIS_DEFINES}")
