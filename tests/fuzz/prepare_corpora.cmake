# Writes fresh seeds with SEED_WRITER into ROOT/seeds and makes sure every target in TARGETS has
# its seeds, corpus and findings folders: libFuzzer refuses a corpus folder that is missing.
file(REMOVE_RECURSE ${ROOT}/seeds)
execute_process(COMMAND ${SEED_WRITER} ${ROOT}/seeds RESULT_VARIABLE written)
if(NOT written EQUAL 0)
  message(FATAL_ERROR "${SEED_WRITER} failed: ${written}")
endif()
foreach(target IN LISTS TARGETS)
  file(MAKE_DIRECTORY ${ROOT}/seeds/${target} ${ROOT}/corpus/${target} ${ROOT}/findings/${target})
endforeach()
