# Warnings and sanitizers for the project's own targets only (not for third-party code).
add_library(ostravel_options INTERFACE)
target_compile_options(ostravel_options INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror -Wno-error=deprecated-declarations>
  # GCC 12 at -O2 and above warns falsely on "literal" + std::string (its bug 105329).
  $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<CXX_COMPILER_ID:GNU>>:-Wno-restrict>)
target_include_directories(ostravel_options INTERFACE ${CMAKE_SOURCE_DIR}/src)

option(OSTRAVEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(OSTRAVEL_SANITIZE)
  target_compile_options(ostravel_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(ostravel_options INTERFACE -fsanitize=address,undefined)
endif()
