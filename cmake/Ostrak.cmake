# Helpers shared by every folder of the project.

# Warnings are errors on our own code only; Qt and GoogleTest headers come in
# as system headers.
function(ostrak_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# One static library per folder, made of every source file in it.
# Usage: ostrak_folder_library(NAME ostrak_core [LINK lib...])
function(ostrak_folder_library)
  cmake_parse_arguments(ARG "" "NAME" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${ARG_NAME} STATIC ${sources})
  target_include_directories(${ARG_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_LINK)
    target_link_libraries(${ARG_NAME} PUBLIC ${ARG_LINK})
  endif()
  set_target_properties(${ARG_NAME} PROPERTIES AUTOMOC ON)
  ostrak_warnings(${ARG_NAME})
endfunction()
