# Builds for the memory and fuzz checks (scripts/check-memory), each in its
# own build folder. They switch flags for the whole tree, so no target list
# has to be kept here.
#
#   TARNIX_SANITIZE   AddressSanitizer and UndefinedBehaviorSanitizer everywhere;
#                     any undefined behaviour ends the process.
#   TARNIX_FUZZ       libFuzzer's coverage instrumentation everywhere and the
#                     fuzz targets of tests/fuzz (clang only).
#   TARNIX_MODEL_ONLY leaves targets that link Qt, OpenGL or QScintilla out of
#                     the default build and their tests out of ctest.

option(TARNIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TARNIX_FUZZ "Build the libFuzzer targets (clang)" OFF)
option(TARNIX_MODEL_ONLY "Build only targets that link no window libraries" OFF)
set(TARNIX_FUZZ_SECONDS 25 CACHE STRING "How long ctest runs each fuzz target")

if(TARNIX_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "TARNIX_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

if(TARNIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(TARNIX_FUZZ)
  # The fuzz executables add -fsanitize=fuzzer, which brings libFuzzer's main().
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Whether `target` links a window library, directly or through other targets.
function(_tarnix_links_window_library target result)
  get_property(known GLOBAL PROPERTY _TARNIX_WINDOW_${target} SET)
  if(known)
    get_property(answer GLOBAL PROPERTY _TARNIX_WINDOW_${target})
    set(${result} ${answer} PARENT_SCOPE)
    return()
  endif()
  set_property(GLOBAL PROPERTY _TARNIX_WINDOW_${target} FALSE)  # ends cycles
  set(answer FALSE)
  get_target_property(type ${target} TYPE)
  set(links "")
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(direct ${target} LINK_LIBRARIES)
    if(direct)
      list(APPEND links ${direct})
    endif()
  endif()
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  if(interface)
    list(APPEND links ${interface})
  endif()
  foreach(item IN LISTS links)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(item MATCHES "^(Qt6::|OpenGL::|QScintilla::)")
      set(answer TRUE)
    elseif(TARGET ${item})
      _tarnix_links_window_library(${item} nested)
      if(nested)
        set(answer TRUE)
      endif()
    endif()
    if(answer)
      break()
    endif()
  endforeach()
  set_property(GLOBAL PROPERTY _TARNIX_WINDOW_${target} ${answer})
  set(${result} ${answer} PARENT_SCOPE)
endfunction()

# Window targets of `directory` and below leave the default build. Their
# tests leave ctest: add_test ones are named after their executable here and
# go to ctest's ignore list; discovered GoogleTest ones are dropped with the
# include file that GoogleTest writes for them.
function(_tarnix_skip_window_targets directory)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(tests DIRECTORY ${directory} PROPERTY TESTS)
  get_property(includes DIRECTORY ${directory} PROPERTY TEST_INCLUDE_FILES)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "UTILITY")
      continue()
    endif()
    _tarnix_links_window_library(${target} window)
    if(NOT window)
      continue()
    endif()
    set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL TRUE)
    if(target IN_LIST tests)
      set_property(GLOBAL APPEND PROPERTY _TARNIX_SKIPPED_TESTS ${target})
    endif()
    list(FILTER includes EXCLUDE REGEX "/${target}\\[[0-9]+\\]_include\\.cmake$")
  endforeach()
  set_property(DIRECTORY ${directory} PROPERTY TEST_INCLUDE_FILES ${includes})
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    _tarnix_skip_window_targets(${subdirectory})
  endforeach()
endfunction()

# Called once at the end of the top-level CMakeLists.
function(tarnix_apply_model_only)
  if(NOT TARNIX_MODEL_ONLY)
    return()
  endif()
  _tarnix_skip_window_targets(${CMAKE_SOURCE_DIR})
  get_property(skipped GLOBAL PROPERTY _TARNIX_SKIPPED_TESTS)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/CTestCustom.cmake
       CONTENT "set(CTEST_CUSTOM_TESTS_IGNORE @skipped@)\n" @ONLY)
endfunction()
