# The six sound cues, synthesised at build time and compiled in.
add_custom_command(OUTPUT ${GEN}/sound_data.cpp
  COMMAND rendaro-gen-sounds ${GEN}/sound_data.cpp
  DEPENDS rendaro-gen-sounds
  COMMENT "Synthesising the sound cues")
list(APPEND ASSET_SOURCES ${GEN}/sound_data.cpp)
