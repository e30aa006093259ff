# Copies the media (film, sounds, shortcuts) next to the program, so that the
# program runs from the build folder as from an installed copy.
file(GLOB_RECURSE BW_MEDIA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/media/*)
set(BW_MEDIA_STAMP ${CMAKE_BINARY_DIR}/media.stamp)
add_custom_command(OUTPUT ${BW_MEDIA_STAMP}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/assets/media $<TARGET_FILE_DIR:befehlswart>
    COMMAND ${CMAKE_COMMAND} -E touch ${BW_MEDIA_STAMP}
    DEPENDS ${BW_MEDIA}
    COMMENT "Copying the media next to the program")
add_custom_target(befehlswart_media ALL DEPENDS ${BW_MEDIA_STAMP})
add_dependencies(befehlswart befehlswart_media)
