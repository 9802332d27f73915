# Dorvane in its user's language: one Qt Linguist file per language in translations/, one line each.
set(DORVANE_TS_FILES
    ${PROJECT_SOURCE_DIR}/translations/dorvane_ar.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_de.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_es.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_fr.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_he.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_it.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_ja.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_nl.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_pl.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_pt_BR.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_ru.ts
    ${PROJECT_SOURCE_DIR}/translations/dorvane_zh_CN.ts
)
set(DORVANE_LANGUAGES)
foreach(ts ${DORVANE_TS_FILES})
    get_filename_component(name ${ts} NAME_WE)
    string(REPLACE "dorvane_" "" name ${name})
    list(APPEND DORVANE_LANGUAGES ${name})
endforeach()

# Every source that holds a text for the user, for lupdate.
file(GLOB DORVANE_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/core/*.cpp ${PROJECT_SOURCE_DIR}/core/*.h
     ${PROJECT_SOURCE_DIR}/ui/*.cpp ${PROJECT_SOURCE_DIR}/ui/*.h
     ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h)
# Locations relative to the .ts file, so that the files do not change with the folder they are in.
set(DORVANE_LUPDATE_OPTIONS -locations relative -no-ui-lines)

# Host tools: a cross build finds the build machine's LinguistTools through QT_HOST_PATH_CMAKE_DIR;
# where they are not found, the build machine's lrelease does alone.
find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(NOT TARGET Qt6::lrelease)
    find_program(DORVANE_LRELEASE NAMES lrelease lrelease-qt6
                 HINTS ${QT_HOST_PATH}/lib/qt6/bin ${QT_HOST_PATH}/bin /usr/lib/qt6/bin)
    if(NOT DORVANE_LRELEASE)
        message(FATAL_ERROR "Qt's lrelease is missing (Debian: apt-get install qt6-l10n-tools qt6-tools-dev)")
    endif()
endif()

# Compiles the translations into .qm files and embeds them in target under :/i18n; with Qt's own
# LinguistTools, also gives the target update_translations, which runs lupdate over the sources.
function(dorvane_add_translations target)
    if(TARGET Qt6::lrelease)
        qt_add_translations(${target}
            TS_FILES ${DORVANE_TS_FILES}
            SOURCES ${DORVANE_TRANSLATED_SOURCES}
            INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/core ${PROJECT_SOURCE_DIR}/ui ${PROJECT_SOURCE_DIR}/app
            LUPDATE_OPTIONS ${DORVANE_LUPDATE_OPTIONS}
            LRELEASE_OPTIONS -silent
            RESOURCE_PREFIX /i18n)
        return()
    endif()
    set(qm_files)
    foreach(ts ${DORVANE_TS_FILES})
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${DORVANE_LRELEASE} -silent ${ts} -qm ${qm}
            DEPENDS ${ts}
            VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} "${target}_translations"
        PREFIX /i18n
        BASE ${CMAKE_CURRENT_BINARY_DIR}
        FILES ${qm_files})
endfunction()
