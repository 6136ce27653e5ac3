# TinyXML for the fuzz build: Debian's own source of the version the game links, patched
# as Debian builds it and compiled here with the fuzz build's sanitizers, so that a read
# past the end inside the parser is seen. The source is fetched into the build directory
# when the fuzz build is first configured; it is never part of the repository.
set(tinyxml_dir ${CMAKE_BINARY_DIR}/tinyxml)
if(NOT EXISTS ${tinyxml_dir}/source/tinyxmlparser.cpp)
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/fetch-tinyxml-source ${tinyxml_dir}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Could not fetch Debian's TinyXML source into ${tinyxml_dir}")
  endif()
endif()
add_library(nimbus_tinyxml STATIC
  ${tinyxml_dir}/source/tinyxml.cpp ${tinyxml_dir}/source/tinyxmlparser.cpp
  ${tinyxml_dir}/source/tinyxmlerror.cpp ${tinyxml_dir}/source/tinystr.cpp)
# Debian builds it with the STL and with its assertions on; its warnings are not ours to mend.
target_compile_definitions(nimbus_tinyxml PUBLIC TIXML_USE_STL)
target_compile_options(nimbus_tinyxml PRIVATE -w -UNDEBUG)
target_include_directories(nimbus_tinyxml SYSTEM PUBLIC ${tinyxml_dir}/source)
set(TINYXML_LIBRARY nimbus_tinyxml)
