# cmake -DPROGRAM=<bench program> -P checkusage.cmake
# Fails unless every wrong argument list makes the program print its usage and exit 2 at once, instead
# of starting a run.
foreach(arguments IN ITEMS "--help" "-h" "--frobnicate" "abc" "0" "-5" "5x" "5;5")
    execute_process(COMMAND ${PROGRAM} ${arguments} RESULT_VARIABLE code OUTPUT_VARIABLE out
        ERROR_VARIABLE err TIMEOUT 20)
    if(NOT code EQUAL 2 OR NOT "${out}${err}" MATCHES "Usage: ")
        message(FATAL_ERROR "'${arguments}': exit ${code}\n${out}${err}")
    endif()
endforeach()
