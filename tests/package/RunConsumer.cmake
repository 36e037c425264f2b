# Script mode: BUILD_DIR, WORK_DIR, CONSUMER_DIR, CONSUMER_FLAGS, GENERATOR.
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

run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${PREFIX}
    "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)
