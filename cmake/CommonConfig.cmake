# Warnings and Qt strictness shared by every target of the project.
add_library(dorvane_common INTERFACE)
target_compile_definitions(dorvane_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_USE_QSTRINGBUILDER
    DORVANE_VERSION="${PROJECT_VERSION}")
if(MSVC)
    target_compile_options(dorvane_common INTERFACE /W4 /permissive-)
else()
    target_compile_options(dorvane_common INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
endif()
