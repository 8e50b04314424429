# Installs the build into a scratch prefix, builds a small host program
# against it with find_package, and runs it.
set(prefixo ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefixo}
  RESULT_VARIABLE r OUTPUT_QUIET)
if(r)
  message(FATAL_ERROR "install failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/build -G Ninja
  -DCMAKE_PREFIX_PATH=${prefixo} RESULT_VARIABLE r)
if(r)
  message(FATAL_ERROR "configuring the consumer failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK}/build RESULT_VARIABLE r)
if(r)
  message(FATAL_ERROR "building the consumer failed")
endif()
execute_process(COMMAND ${WORK}/build/consumer ${WORK}/out.txt RESULT_VARIABLE r)
if(r)
  message(FATAL_ERROR "the consumer failed")
endif()

# The installed Python package imports from the prefix alone, its extension
# finding the installed library.
if(PYTHON)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env PYTHONPATH=${prefixo}/${PYTHON_DESTINO}
    ${PYTHON} -c "import arqaux, os, sys; assert arqaux.__file__.startswith(sys.argv[1]); \
assert any(k['name'] == 'climate' for k in arqaux.kinds())" ${prefixo}
    RESULT_VARIABLE r)
  if(r)
    message(FATAL_ERROR "the installed Python package does not import")
  endif()
endif()
