# Sanitizer and fuzzing builds. Any report ends the program with a failure, so ctest and the fuzz
# runs see it.
if(ORIASTRA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ORIASTRA_FUZZ needs Clang (libFuzzer): -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Fuzzing without the sanitizers would only find crashes.
  set(ORIASTRA_SANITIZE ON CACHE BOOL "" FORCE)
endif()

if(ORIASTRA_SANITIZE)
  set(oriastra_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all
                          -fno-omit-frame-pointer)
  add_compile_options(${oriastra_sanitizers})
  add_link_options(${oriastra_sanitizers})
endif()

# Coverage feedback for the code the fuzz targets reach; called by the folders that add them.
function(oriastra_fuzz_instrument target)
  if(ORIASTRA_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()
