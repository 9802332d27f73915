# Run at install time: copies into DESTINATION every DLL that FILES import, directly or through
# one another, and that SEARCH_DIR holds. Any other import must be one of Windows' own: a DLL in
# SYSTEM_DLLS, or one that SYSTEM_DLLS has a MinGW import library (lib<name>.a) for.
#   OBJDUMP, FILES, SEARCH_DIR, SYSTEM_DLLS, DESTINATION
# Windows matches DLL names without regard to case, so the names are compared in lower case.
file(GLOB available RELATIVE "${SEARCH_DIR}" "${SEARCH_DIR}/*.dll")
foreach(dll IN LISTS available)
    string(TOLOWER "${dll}" key)
    set(found_${key} "${SEARCH_DIR}/${dll}")
endforeach()

set(pending ${FILES})
set(copy)
while(pending)
    list(POP_FRONT pending file)
    execute_process(COMMAND "${OBJDUMP}" -p "${file}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${OBJDUMP} cannot read ${file}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "^DLL Name: " "" name "${import}")
        string(STRIP "${name}" name)
        string(TOLOWER "${name}" key)
        if(seen_${key})
            continue()
        endif()
        set(seen_${key} ON)
        if(DEFINED found_${key})
            list(APPEND copy "${found_${key}}")
            list(APPEND pending "${found_${key}}")
            continue()
        endif()
        string(REGEX REPLACE "\\.dll$" "" base "${key}")
        if(NOT key MATCHES "^(api|ext)-ms-" AND NOT EXISTS "${SYSTEM_DLLS}/lib${base}.a"
           AND NOT EXISTS "${SYSTEM_DLLS}/${name}")
            message(FATAL_ERROR "${file} imports ${name}, which is neither in ${SEARCH_DIR} nor part of Windows")
        endif()
    endforeach()
endwhile()

list(SORT copy)
file(INSTALL ${copy} DESTINATION "${DESTINATION}")
