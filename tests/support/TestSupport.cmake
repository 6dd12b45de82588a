# SPDX-License-Identifier: GPL-3.0-or-later
# The shared test headers as "tests/support/...", and nothing else of the
# source tree, so a test's include path still reaches only the layers it links.
if(NOT TARGET varelio_test_support)
  set(VARELIO_TEST_SUPPORT_VIEW ${PROJECT_BINARY_DIR}/test-support)
  file(MAKE_DIRECTORY ${VARELIO_TEST_SUPPORT_VIEW}/tests)
  file(CREATE_LINK ${CMAKE_CURRENT_LIST_DIR} ${VARELIO_TEST_SUPPORT_VIEW}/tests/support SYMBOLIC)
  add_library(varelio_test_support INTERFACE)
  target_include_directories(varelio_test_support INTERFACE ${VARELIO_TEST_SUPPORT_VIEW})
endif()
