# Sanitizer and fuzzing builds, as scripts/test --deep makes them (build-asan/, build-fuzz/).
# Every sanitizer report is fatal, so a test that triggers one fails: AddressSanitizer always
# stops, UndefinedBehaviorSanitizer stops through halt_on_error=1 in the tests' environment
# (its reports stay recoverable in the sanitizer build only because its suppressions work on
# recoverable checks alone, and UBSAN_OPTIONS=halt_on_error=0 then lists every report of a
# run at once). The fuzz build compiles every check unrecoverable. The suppressions of reports
# from Qt and the system libraries live in tests/sanitizers/; every test gets them through
# QUORTOSK_TEST_ENVIRONMENT, and so do the programs a test starts.
set(QUORTOSK_TEST_ENVIRONMENT "")
set(sanitizers "${QUORTOSK_SANITIZE}")
if(QUORTOSK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUORTOSK_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  if(NOT sanitizers)
    set(sanitizers address,undefined)
  endif()
  # Coverage feedback for every library; only the fuzz targets link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link -fno-sanitize-recover=all)
endif()
if(sanitizers)
  add_compile_options(-fsanitize=${sanitizers} -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${sanitizers})
  set(supp ${CMAKE_SOURCE_DIR}/tests/sanitizers/)
  set(QUORTOSK_TEST_ENVIRONMENT
      "ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1"
      "LSAN_OPTIONS=suppressions=${supp}lsan.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${supp}ubsan.supp")
endif()
