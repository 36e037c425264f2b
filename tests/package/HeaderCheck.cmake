# Compiles every public header on its own, with only the public include
# directory and Qt on the include path: a header that misses an include of its
# own, or reaches into the library's sources, fails the build.
file(GLOB_RECURSE ORVA_PUBLIC_HEADERS RELATIVE ${PROJECT_SOURCE_DIR}/include
    CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/include/OrvaGUIToolkit/*.h)
set(ORVA_HEADER_CHECK_SOURCES "")
foreach(header ${ORVA_PUBLIC_HEADERS})
    string(MAKE_C_IDENTIFIER ${header} name)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/headers/${name}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "#include <${header}>\n")
    list(APPEND ORVA_HEADER_CHECK_SOURCES ${source})
endforeach()
add_library(orva_header_check OBJECT ${ORVA_HEADER_CHECK_SOURCES})
target_include_directories(orva_header_check PRIVATE ${PROJECT_SOURCE_DIR}/include)
target_link_libraries(orva_header_check PRIVATE Qt::Core Qt::Gui Qt::Widgets)
if(ORVA_QT_MAJOR EQUAL 6)
    target_link_libraries(orva_header_check PRIVATE Qt::Core5Compat)
endif()
set_target_properties(orva_header_check PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
target_compile_options(orva_header_check PRIVATE -Wall -Wextra)
