# AddressSanitizer + UndefinedBehaviorSanitizer over the whole build: the game,
# the library, the tests and the tools must all be instrumented alike, so this
# is the one place where flags are set for every target at once.
option(VANTORIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VANTORIX_SANITIZE)
  set(VANTORIX_SANITIZER_FLAGS -fsanitize=address,undefined,float-divide-by-zero
                               -fno-sanitize-recover=all
                               -fno-omit-frame-pointer)
  add_compile_options(${VANTORIX_SANITIZER_FLAGS})
  add_link_options(${VANTORIX_SANITIZER_FLAGS})
endif()
