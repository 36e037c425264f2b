# Script mode: BUILD_DIR, WORK_DIR, CONSUMER_DIR, MISMATCH_DIR, QT_MAJOR,
# CONSUMER_FLAGS, GENERATOR.
file(REMOVE_RECURSE ${WORK_DIR})
set(PREFIX ${WORK_DIR}/prefix)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
    endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
foreach(header OrvaGUIToolkit/OrvaGUIToolkit.h OrvaGUIToolkit/Button/PushButton.h OrvaGUIToolkit/Label/Label.h)
    if(NOT EXISTS ${PREFIX}/include/${header})
        message(FATAL_ERROR "header not installed: ${header}")
    endif()
endforeach()

# Internal functions must not be part of the shared library's dynamic symbols.
file(GLOB libraries ${PREFIX}/lib*/libOrvaGUIToolkit.so)
find_program(NM nm)
if(NM AND libraries)
    list(GET libraries 0 library)
    execute_process(COMMAND ${NM} -D -C --defined-only ${library} OUTPUT_VARIABLE symbols)
    if(symbols MATCHES "GetLocalUtcOffset")
        message(FATAL_ERROR "internal symbol GetLocalUtcOffset is exported")
    endif()
    if(NOT symbols MATCHES "OrvaGUIToolkit::IsNetMask")
        message(FATAL_ERROR "public function IsNetMask is not exported")
    endif()
endif()

# Installed headers include only Qt, the standard library and other installed
# headers of the library: never a header of the library's sources.
file(GLOB_RECURSE installed_headers RELATIVE ${PREFIX}/include ${PREFIX}/include/OrvaGUIToolkit/*.h)
foreach(header ${installed_headers})
    file(STRINGS ${PREFIX}/include/${header} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
        if(line MATCHES "\"")
            message(FATAL_ERROR "${header} includes a private header: ${line}")
        endif()
        if(line MATCHES "<(OrvaGUIToolkit/[^>]+)>" AND NOT EXISTS ${PREFIX}/include/${CMAKE_MATCH_1})
            message(FATAL_ERROR "${header} includes ${CMAKE_MATCH_1}, which is not installed")
        endif()
    endforeach()
endforeach()

run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${PREFIX}
    "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)

file(GLOB config_files ${PREFIX}/lib*/cmake/OrvaGUIToolkit/OrvaGUIToolkitConfig.cmake)
list(GET config_files 0 config_file)
file(READ ${config_file} config)
if(NOT config MATCHES "set\\(OrvaGUIToolkit_QT_MAJOR_VERSION ${QT_MAJOR}\\)")
    message(FATAL_ERROR "the package does not record Qt ${QT_MAJOR}")
endif()

# A project that uses the other Qt major version must be refused with a
# message that names both versions instead of failing at link time.
if(QT_MAJOR EQUAL 5)
    set(other 6)
else()
    set(other 5)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${MISMATCH_DIR} -B ${WORK_DIR}/mismatch -G ${GENERATOR}
        -DCMAKE_PREFIX_PATH=${PREFIX} -DOTHER_QT_MAJOR=${other}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(result EQUAL 0)
    message(FATAL_ERROR "a Qt ${other} project was allowed to use the Qt ${QT_MAJOR} build")
endif()
string(REGEX REPLACE "[ \t\r\n]+" " " err_flat "${err}")
if(NOT err_flat MATCHES "built with Qt ${QT_MAJOR}, but this project already uses Qt${other}")
    message(FATAL_ERROR "unexpected refusal of the Qt ${other} project:\n${out}\n${err}")
endif()
