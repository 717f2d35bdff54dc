# cmake -DPROGRAM=... -DNAME=... [-DINCLUDE=...] -DOUTPUT=....1 -DPACKAGE_VERSION=...
#       -DHELP2MAN=... -DGZIP=... [-DHELP_OPTION="--help ..."] -P manpage.cmake
# The manual page of PROGRAM by help2man from its --help, with the version its --version
# prints last. help2man would take the first word of "Velarin (quillmark) 4.0" for the
# program's name; the page is named after the command instead.
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE version_text
                COMMAND_ERROR_IS_FATAL ANY)
string(STRIP "${version_text}" version_text)
if(NOT version_text MATCHES "([0-9][0-9.]*)$")
  message(FATAL_ERROR "${PROGRAM} --version printed no version: ${version_text}")
endif()
# The package carries the version the program states.
if(NOT CMAKE_MATCH_1 STREQUAL PACKAGE_VERSION)
  message(FATAL_ERROR "${PROGRAM} is version ${CMAKE_MATCH_1}, its package ${PACKAGE_VERSION}")
endif()
set(include)
if(INCLUDE)
  set(include --include=${INCLUDE})
endif()
if(NOT HELP_OPTION)
  set(HELP_OPTION --help)
endif()
execute_process(COMMAND ${HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --name=${NAME}
                        "--help-option=${HELP_OPTION}"
                        --version-string=${CMAKE_MATCH_1} ${include} --output=${OUTPUT} ${PROGRAM}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${GZIP} -9nf ${OUTPUT} COMMAND_ERROR_IS_FATAL ANY)
