# SPDX-License-Identifier: GPL-3.0-or-later
# Brings a copy of TS up to date with the sources listed in SOURCES and fails
# when the copy differs from TS.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
file(COPY ${TS} DESTINATION ${WORK})
file(STRINGS ${SOURCES} sources)
execute_process(COMMAND ${LUPDATE} ${sources} ${OPTIONS} -ts ${WORK}/${name}
                RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(failed)
  message(FATAL_ERROR "lupdate failed: ${said}")
endif()
file(READ ${TS} before)
file(READ ${WORK}/${name} after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "${name} is not current with the sources (${said}): build the lupdate target")
endif()
