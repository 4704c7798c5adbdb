# Checks that the shared library LIBRARY defines in its dynamic symbol table every function
# named in EXPECTED (one qualified name per line, "#" starts a comment line), as read by NM.
# Usage: cmake -DNM=<nm> -DLIBRARY=<lib.so> -DEXPECTED=<list> -P CheckExports.cmake
foreach(variable NM LIBRARY EXPECTED)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

execute_process(COMMAND "${NM}" -D -C --defined-only "${LIBRARY}"
  OUTPUT_VARIABLE symbols ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}: ${errors}")
endif()

file(STRINGS "${EXPECTED}" names REGEX "^[^#]")
set(missing "")
foreach(name IN LISTS names)
  string(FIND "${symbols}" " T ${name}(" text)
  string(FIND "${symbols}" " W ${name}(" weak)
  if(text EQUAL -1 AND weak EQUAL -1)
    list(APPEND missing "${name}")
  endif()
endforeach()

list(LENGTH names count)
if(missing)
  list(JOIN missing "\n  " text)
  message(FATAL_ERROR "${LIBRARY} does not export:\n  ${text}")
endif()
message(STATUS "${LIBRARY} exports all ${count} imported functions")
