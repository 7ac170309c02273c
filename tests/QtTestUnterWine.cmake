# Runs one QtTest program under Wine. Its report goes to a file, which is printed here: under Wine,
# QtTest sends what it would print on the console to the debugger's output instead.
#   cmake -DWINE=... -DPROGRAMM=... -DPROTOKOLL=... -P QtTestUnterWine.cmake
file(REMOVE ${PROTOKOLL})
execute_process(COMMAND ${WINE} ${PROGRAMM} -o ${PROTOKOLL},txt RESULT_VARIABLE status)
if(EXISTS ${PROTOKOLL})
  file(READ ${PROTOKOLL} bericht)
  message("${bericht}")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAMM}: Status ${status}")
endif()
