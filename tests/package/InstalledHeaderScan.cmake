# Reads every installed header (include/OrvaGUIToolkit/**/*.h) and fails when
# one of them reaches into the library's sources:
#  - an #include "..." (installed headers include each other as <OrvaGUIToolkit/...>),
#  - an #include <...> of a header that is not installed but sits under src/,
#  - an #include <OrvaGUIToolkit/...> of a header that does not exist,
#  - the name of a class or struct defined in an internal header (src/**/*.h),
#    outside comments. Private classes of the d-pointer pattern ("...Private")
#    are the one exception: installed headers declare them without defining them.
#
# Usage: cmake -DSOURCE_DIR=<tree with include/ and src/> -P InstalledHeaderScan.cmake

cmake_minimum_required(VERSION 3.16)

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# Comments and string literals say nothing about what a header depends on.
function(orva_strip_comments TEXT OUT)
    string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" text "${TEXT}")
    string(REGEX REPLACE "//[^\n]*" "" text "${text}")
    string(REGEX REPLACE "\"[^\"\n]*\"" "\"\"" text "${text}")
    set(${OUT} "${text}" PARENT_SCOPE)
endfunction()

set(ident "[A-Za-z_][A-Za-z0-9_]*")
set(space "[ \t\r\n]")

file(GLOB_RECURSE internal_headers "${SOURCE_DIR}/src/*.h")
set(internal_names "")
foreach(header ${internal_headers})
    file(READ "${header}" text)
    orva_strip_comments("${text}" text)
    string(REGEX MATCHALL "(class|struct)${space}+${ident}${space}*(final${space}*)?[:{]" definitions "${text}")
    foreach(definition ${definitions})
        string(REGEX REPLACE "^(class|struct)${space}+(${ident}).*$" "\\2" name "${definition}")
        if(NOT name MATCHES "Private$")
            list(APPEND internal_names ${name})
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES internal_names)

file(GLOB_RECURSE installed_headers RELATIVE "${SOURCE_DIR}/include/OrvaGUIToolkit"
     "${SOURCE_DIR}/include/OrvaGUIToolkit/*.h")
list(LENGTH installed_headers installed_count)
if(installed_count EQUAL 0)
    message(FATAL_ERROR "no installed headers under ${SOURCE_DIR}/include/OrvaGUIToolkit")
endif()

set(findings "")
foreach(header ${installed_headers})
    file(READ "${SOURCE_DIR}/include/OrvaGUIToolkit/${header}" raw)
    string(REGEX MATCHALL "#[ \t]*include[ \t]*[<\"][^>\"\n]+[>\"]" includes "${raw}")
    foreach(include ${includes})
        string(REGEX REPLACE "^#[ \t]*include[ \t]*[<\"]([^>\"\n]+)[>\"]$" "\\1" path "${include}")
        if(include MATCHES "\"")
            list(APPEND findings "${header}: includes \"${path}\"")
        elseif(path MATCHES "^OrvaGUIToolkit/" AND NOT EXISTS "${SOURCE_DIR}/include/${path}")
            list(APPEND findings "${header}: includes <${path}>, which is not installed")
        elseif(EXISTS "${SOURCE_DIR}/src/${path}")
            list(APPEND findings "${header}: includes <${path}> from the library's sources")
        endif()
    endforeach()

    orva_strip_comments("${raw}" text)
    foreach(name ${internal_names})
        if(text MATCHES "(^|[^A-Za-z0-9_])${name}([^A-Za-z0-9_]|$)")
            list(APPEND findings "${header}: names the internal type ${name}")
        endif()
    endforeach()
endforeach()

if(findings)
    list(JOIN findings "\n  " report)
    message(FATAL_ERROR "Installed headers that depend on the library's sources:\n  ${report}")
endif()
message(STATUS "${installed_count} installed headers carry the client's interface only")
