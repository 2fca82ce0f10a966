# The images, menu-bar strip and icon: text pixel maps turned into a C++ source at build time.
file(GLOB IMAGE_MAPS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/images/*.txt)
add_custom_command(OUTPUT ${GEN}/image_data.cpp
  COMMAND rendaro-gen-images ${GEN}/image_data.cpp ${IMAGE_MAPS}
  DEPENDS rendaro-gen-images ${IMAGE_MAPS}
  COMMENT "Generating the images from their pixel maps")
list(APPEND ASSET_SOURCES ${GEN}/image_data.cpp)
