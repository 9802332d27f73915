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

# Qt's own texts, such as the colour dialog's buttons, in the given languages, those Dorvane is
# translated into. The program loads them from translations\ beside it. Qt for Windows is built
# without them; the ones of Debian's qt6-translations-l10n are of the same Qt version.
set(DORVANE_QT_TRANSLATIONS_DIR /usr/share/qt6/translations CACHE PATH
    "Folder of Qt's qtbase_<language>.qm translations, for the installer")
function(dorvane_install_qt_translations)
    set(files)
    set(missing)
    foreach(lang IN LISTS ARGN)
        set(qm "${DORVANE_QT_TRANSLATIONS_DIR}/qtbase_${lang}.qm")
        if(EXISTS "${qm}")
            list(APPEND files "${qm}")
        else()
            list(APPEND missing "qtbase_${lang}.qm")
        endif()
    endforeach()
    # Only the installer needs them, so the build and its tests go on without them.
    if(missing)
        install(CODE "message(FATAL_ERROR \"The Windows package needs Qt's translations (qt6-translations-l10n): no ${missing} in ${DORVANE_QT_TRANSLATIONS_DIR}\")")
    else()
        install(FILES ${files} DESTINATION translations)
    endif()
endfunction()

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
set(CPACK_NSIS_MUI_FINISHPAGE_RUN Dorvane.exe)

# Windows keeps the files of a running program, and Dorvane runs from the Startup folder, so the
# installer and the uninstaller first end every copy of the installed Dorvane.exe as a logoff does
# (WM_QUERYENDSESSION, then WM_ENDSESSION TRUE, to its windows, hidden or not). That loses nothing:
# every setting was saved when it was made. A copy is found by its process, as one that the
# session has just started has no window yet; it gets 10 s to show one and end, and is killed
# only after that. The messages go out again every quarter second, as a copy that is starting may
# not yet have the window that acts on them.
set(CPACK_NSIS_DEFINES [=[
!include LogicLib.nsh
!include FileFunc.nsh

; How many running copies the installer ended: a silent installation starts Dorvane again only then.
Var DorvaneEnded

; Sends a session message to every top-level window of the process PID; uses $6 and $7.
!macro DORVANE_TELL PID MESSAGE WPARAM
  StrCpy $6 0
  ${Do}
    System::Call 'user32::FindWindowExW(p 0, p r6, p 0, p 0) p .r6'
    ${If} $6 P= 0
      ${Break}
    ${EndIf}
    System::Call 'user32::GetWindowThreadProcessId(p r6, *i .r7)'
    ${If} $7 = ${PID}
      ; ENDSESSION_LOGOFF
      SendMessage $6 ${MESSAGE} ${WPARAM} 0x80000000 /TIMEOUT=2000
    ${EndIf}
  ${Loop}
!macroend

; The functions below keep the caller's $1 to $7; $0 passes the argument and the result.
!macro DORVANE_SAVE
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  Push $6
  Push $7
!macroend
!macro DORVANE_RESTORE
  Pop $7
  Pop $6
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
!macroend

!macro DORVANE_FUNCTIONS UN
; Pushes the process id of a running copy of the program at the path on the stack, or 0.
Function ${UN}DorvaneFind
  Exch $0
  !insertmacro DORVANE_SAVE
  ; The same program may be known by its short name.
  GetFullPathName /SHORT $6 $0
  StrCpy $7 0
  System::Alloc 16384
  Pop $1
  System::Call 'kernel32::K32EnumProcesses(p r1, i 16384, *i .r2)'
  IntOp $2 $2 / 4
  ${DoWhile} $2 > 0
    IntOp $2 $2 - 1
    IntOp $3 $2 * 4
    IntPtrOp $3 $1 + $3
    System::Call '*$3(i .r3)'
    ; PROCESS_QUERY_LIMITED_INFORMATION
    System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r3) p .r4'
    ${If} $4 P<> 0
      StrCpy $5 ""
      System::Call 'kernel32::QueryFullProcessImageNameW(p r4, i 0, w .r5, *i ${NSIS_MAX_STRLEN})'
      System::Call 'kernel32::CloseHandle(p r4)'
      ; StrCmp ignores case, as Windows' file names do.
      ${If} $5 != ""
        ${If} $5 == $0
        ${OrIf} $5 == $6
          StrCpy $7 $3
          ${Break}
        ${EndIf}
      ${EndIf}
    ${EndIf}
  ${Loop}
  System::Free $1
  StrCpy $0 $7
  !insertmacro DORVANE_RESTORE
  Exch $0
FunctionEnd

; Ends every running copy of the program at the path on the stack; adds their number to $DorvaneEnded.
Function ${UN}DorvaneEnd
  Exch $0
  !insertmacro DORVANE_SAVE
  ; A copy that cannot be ended is not waited for again and again.
  ${For} $5 1 5
    Push $0
    Call ${UN}DorvaneFind
    Pop $1
    ${If} $1 = 0
      ${Break}
    ${EndIf}
    ; SYNCHRONIZE | PROCESS_TERMINATE
    System::Call 'kernel32::OpenProcess(i 0x100001, i 0, i r1) p .r2'
    ${If} $2 P= 0
      DetailPrint "The running Dorvane (process $1) cannot be ended"
      ${Break}
    ${EndIf}
    IntOp $DorvaneEnded $DorvaneEnded + 1
    DetailPrint "Ending the running Dorvane (process $1)"
    StrCpy $3 0
    ${Do}
      ; WM_QUERYENDSESSION, then WM_ENDSESSION TRUE
      !insertmacro DORVANE_TELL $1 0x0011 0
      !insertmacro DORVANE_TELL $1 0x0016 1
      ; WAIT_OBJECT_0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 250) i .r4'
      ${If} $4 = 0
        ${Break}
      ${EndIf}
      IntOp $3 $3 + 1
      ${If} $3 >= 40
        DetailPrint "Dorvane did not end within 10 s: killing it"
        System::Call 'kernel32::TerminateProcess(p r2, i 1)'
        System::Call 'kernel32::WaitForSingleObject(p r2, i 5000)'
        ${Break}
      ${EndIf}
    ${Loop}
    System::Call 'kernel32::CloseHandle(p r2)'
  ${Next}
  !insertmacro DORVANE_RESTORE
  Pop $0
FunctionEnd
!macroend
!insertmacro DORVANE_FUNCTIONS ""
!insertmacro DORVANE_FUNCTIONS "un."

; Started through Explorer, Dorvane runs as the user who is logged on, without the installer's
; administrator rights: a copy with those rights may run as another account, with its settings.
Function DorvaneRun
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\Dorvane.exe"'
FunctionEnd
!define MUI_FINISHPAGE_RUN_FUNCTION DorvaneRun

; A silent installation starts Dorvane again where it ended it, and never otherwise, so that a
; packaging tool's silent installation shows no window. The finish page offers it instead.
Function .onInstSuccess
  ${If} ${Silent}
  ${AndIf} $DorvaneEnded > 0
    Call DorvaneRun
  ${EndIf}
FunctionEnd

; A folder is marked only once a file has been, so that one that the user's own files keep asks
; for no restart.
!macro DORVANE_LEFTOVER_DIR PATH
  ${If} ${RebootFlag}
    RMDir /REBOOTOK "${PATH}"
  ${Else}
    RMDir "${PATH}"
  ${EndIf}
!macroend

; What the removal had to leave, because something still held it, goes at the next restart. Not
; when an installer runs this uninstaller in its folder: it writes the same files again at once.
Function un.DorvaneLeftovers
  ${If} $EXEDIR == $INSTDIR
  ${OrIf} ${RebootFlag}
  ${OrIfNot} ${FileExists} "$INSTDIR\*.*"
    Return
  ${EndIf}
  !insertmacro DORVANE_INSTALLED
  !insertmacro DORVANE_LEFTOVER_DIR "$INSTDIR"
  ${If} ${RebootFlag}
    ; Silent, it goes where an administrator can find it afterwards.
    ${If} ${Silent}
      FileOpen $0 "$TEMP\Dorvane-uninstall.log" a
      FileSeek $0 0 END
      FileWrite $0 "Dorvane was removed from $INSTDIR, but some of its files were still in use. Windows deletes them when it restarts.$\r$\n"
      FileClose $0
    ${Else}
      MessageBox MB_OK|MB_ICONINFORMATION "Some of Dorvane's files were still in use. Windows deletes them when it restarts."
    ${EndIf}
  ${EndIf}
FunctionEnd
]=])
# The uninstaller's list of installed files is made from what CPack staged.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/NsisInstalledFiles.cmake")
# CPack's uninstaller has no hook after its deletions but this one, where it has removed its
# Start-menu folder too; it comes twice, and the second time finds nothing more to do.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "  Call un.DorvaneLeftovers\n")

# An earlier installation of this version is removed by its own uninstaller, once its Dorvane has
# ended; here rather than in CPack's check at start, so that the installer knows whether Dorvane
# ran. The uninstaller runs in its folder (_?=), where it leaves itself for the installer to replace.
set(_dorvane_uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}")
string(CONFIGURE [=[
  StrCpy $DorvaneEnded 0
  Push "$INSTDIR\Dorvane.exe"
  Call DorvaneEnd
  ReadRegStr $0 HKLM "@_dorvane_uninstall_key@" "UninstallString"
  StrCpy $1 $0 1
  ${If} $1 == '"'
    StrCpy $0 $0 -1 1
  ${EndIf}
  ; Where the folder was deleted by hand, nothing is left to remove.
  ${If} $0 != ""
  ${AndIf} ${FileExists} $0
    ${GetParent} $0 $1
    Push "$1\Dorvane.exe"
    Call DorvaneEnd
    DetailPrint "Removing the earlier installation in $1"
    ClearErrors
    ExecWait '"$0" /S _?=$1' $2
    ${If} ${Errors}
    ${OrIf} $2 != 0
      MessageBox MB_OK|MB_ICONSTOP "The earlier installation of Dorvane in $1 could not be removed." /SD IDOK
      Abort
    ${EndIf}
  ${EndIf}
]=] CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS @ONLY)

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
# The shortcut goes first, so that no logon starts Dorvane anew. One that the session started a
# moment ago holds Dorvane.exe until it has been ended; once that is gone, nothing starts again.
string(CONFIGURE [=[
  StrCpy $0 $SMPROGRAMS
  SetShellVarContext current
  Delete "@_dorvane_startup_link@"
  StrCmp $0 $SMPROGRAMS +2
    SetShellVarContext all
  ${For} $1 1 5
    Push "$INSTDIR\Dorvane.exe"
    Call un.DorvaneEnd
    ClearErrors
    Delete "$INSTDIR\Dorvane.exe"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
  ${Next}
]=] CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS @ONLY)

# makensis otherwise writes a 32-bit installer, which a Windows or Wine without 32-bit support
# cannot start. CPack puts its own option sign (- or /) in front, joins the arguments into one
# command line and splits that at spaces, quotes only counting at the start of an argument: hence
# the escaped spaces.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS [[XUnicode\ true]] [[XTarget\ amd64-unicode]])
if(CMAKE_VERSION VERSION_LESS 3.25)
    message(WARNING "CPack before CMake 3.25 passes no options to makensis: the installer will be a 32-bit program")
endif()
include(CPack)
