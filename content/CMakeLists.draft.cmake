# The default scene: generators paint the pictures, build the meshes and
# compose the music; the build packs them with the text files into
# data/data.sdd. The native preset's folder build/native writes build/data.
add_library(orbivane_content STATIC
  generate.cpp
  glyphs.cpp
  image.cpp
  image_files.cpp
  mesh_builder.cpp
  music.cpp
  noise.cpp
  textures.cpp
)
target_link_libraries(orbivane_content PUBLIC orbivane_core orbivane::jpeg orbivane::vorbisenc)
target_compile_definitions(orbivane_content PUBLIC
  ORBIVANE_CONTENT_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")

add_executable(make_content make_content.cpp)
target_link_libraries(make_content PRIVATE orbivane_content)

# Sanitizer builds only test the generators; generating there is slow.
if(ORBIVANE_SANITIZE)
  set(generate_default OFF)
else()
  set(generate_default ON)
endif()
option(ORBIVANE_GENERATE_CONTENT "Generate and pack the default scene's data.sdd" ${generate_default})
if(NOT ORBIVANE_GENERATE_CONTENT)
  return()
endif()

if(CMAKE_BINARY_DIR STREQUAL "${CMAKE_SOURCE_DIR}/build/native")
  set(data_dir ${CMAKE_SOURCE_DIR}/build/data)
else()
  set(data_dir ${CMAKE_BINARY_DIR}/data)
endif()
set(archive ${data_dir}/data.sdd)
set(stage ${CMAKE_CURRENT_BINARY_DIR}/stage)
file(GLOB text_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.txt)
list(REMOVE_ITEM text_files ${CMAKE_CURRENT_SOURCE_DIR}/CMakeLists.txt)

add_custom_command(OUTPUT ${archive}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage} ${data_dir}
  COMMAND ${CMAKE_COMMAND} -E copy ${text_files} ${stage}
  COMMAND make_content ${stage}
  COMMAND sddpack create ${archive} ${stage}
  DEPENDS make_content sddpack ${text_files}
  COMMENT "Generating and packing the default scene"
  VERBATIM)
add_custom_target(orbivane_default_data ALL DEPENDS ${archive})
set_target_properties(orbivane_default_data PROPERTIES ORBIVANE_ARCHIVE ${archive})
