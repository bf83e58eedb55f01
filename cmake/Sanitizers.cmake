# AddressSanitizer and UndefinedBehaviorSanitizer for the host build of the portable logic and
# its tests (ON in the host preset). Any finding ends the test program at once, so a test that
# reads freed memory, overflows a buffer or runs into undefined behaviour fails.
# The mingw-w64 build has no sanitizers, and the fuzz build instruments its own copy of the
# portable logic with its own flags (fuzz/CMakeLists.txt).
option(ZUBOLO_SANITIZE "Build the host's portable logic and tests with ASan and UBSan" OFF)
if(ZUBOLO_SANITIZE AND (WIN32 OR ZUBOLO_FUZZ))
  message(FATAL_ERROR "ZUBOLO_SANITIZE is for the host build only, not the mingw-w64 or fuzz build")
endif()

set(ZUBOLO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
  -fno-omit-frame-pointer)

function(zubolo_sanitizers target)
  if(ZUBOLO_SANITIZE)
    target_compile_options(${target} PRIVATE ${ZUBOLO_SANITIZER_FLAGS})
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# The environment of every sanitized test: a UBSan finding shows where it happened.
set(ZUBOLO_SANITIZER_TEST_ENVIRONMENT "UBSAN_OPTIONS=print_stacktrace=1")
