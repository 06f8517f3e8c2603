# Every target of the project gets the same warnings and, on request, sanitizers.
add_library(kestrova_options INTERFACE)
target_compile_options(kestrova_options INTERFACE -Wall -Wextra -Wpedantic)
if(KESTROVA_WERROR)
  target_compile_options(kestrova_options INTERFACE -Werror)
endif()
if(KESTROVA_SANITIZE)
  target_compile_options(kestrova_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(kestrova_options INTERFACE -fsanitize=address,undefined)
endif()
if(KESTROVA_FUZZ)
  target_compile_options(kestrova_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(kestrova_options INTERFACE -fsanitize=address,undefined)
endif()

# A core library must never reach Qt Widgets: it may not link the module, and any widget header
# it includes resolves first to a guard that stops the build.
function(kestrova_core_library target)
  get_target_property(libs ${target} LINK_LIBRARIES)
  foreach(lib IN LISTS libs)
    if(lib MATCHES "Widgets")
      message(FATAL_ERROR "${target} is a core library and must not link ${lib}")
    endif()
  endforeach()
  target_include_directories(${target} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/core_guard)
endfunction()
