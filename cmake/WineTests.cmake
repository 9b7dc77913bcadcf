# Windows programs of the cross build run under Wine with a prefix inside this build tree.
set(PELMO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run --prefix ${PELMO_WINEPREFIX})

# Windows GUI test programs share one display and one desktop: never run them side by side.
function(pelmo_add_wine_test name)
  add_test(NAME ${name} COMMAND ${name} ${ARGN})
  set_tests_properties(${name} PROPERTIES RUN_SERIAL ON TIMEOUT 600)
endfunction()
