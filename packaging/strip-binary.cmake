# CPack pre-build script: strips the staged executable the way Debian's own packages
# are stripped, dropping the compiler's .comment section that plain strip keeps.
set(_binary "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/Velmora")
if(NOT EXISTS "${_binary}")
  message(FATAL_ERROR "No staged executable at ${_binary}")
endif()
execute_process(COMMAND "${CPACK_VELMORA_STRIP}" --remove-section=.comment --remove-section=.note
                        "${_binary}"
                RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "Stripping ${_binary} failed: ${_result}")
endif()
