# The version comes from the VERSION file, the revision from git when the
# tree is a checkout; both end up in the internal-error text and the banner.
file(STRINGS "${CMAKE_SOURCE_DIR}/VERSION" KW_VERSION LIMIT_COUNT 1)
set(KW_REVISION "unknown")
find_package(Git QUIET)
if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short=12 HEAD
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE _kw_rev OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET RESULT_VARIABLE _kw_rev_rc)
    if(_kw_rev_rc EQUAL 0 AND NOT _kw_rev STREQUAL "")
        set(KW_REVISION "${_kw_rev}")
    endif()
endif()
configure_file(${CMAKE_SOURCE_DIR}/common/BuildInfo.cpp.in ${CMAKE_BINARY_DIR}/generated/BuildInfo.cpp @ONLY)
