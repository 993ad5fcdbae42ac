# Files carried inside the program as byte arrays (the About box picture), generated at build time
# so that the committed file in res/ is the one truth.
#
# Script mode (cmake -P, run by the build): writes OUTPUT, a C++ source that defines
#   extern const unsigned char SYMBOL[];  extern const std::size_t SYMBOL##Size;
# in namespace folvaric, from the bytes of INPUT.
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Sixteen bytes a line keeps the generated file readable in a debugger.
  string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line_pattern)
  string(REGEX REPLACE "(${line_pattern})" "\\1\n    " bytes "${bytes}")
  get_filename_component(input_name "${INPUT}" NAME)
  file(WRITE "${OUTPUT}"
    "// Generated at build time from res/${input_name}; edit that file, not this one.\n"
    "#include <cstddef>\n\n"
    "#include \"${HEADER}\"\n\n"
    "namespace folvaric {\n\n"
    "extern const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n"
    "extern const std::size_t ${SYMBOL}Size = ${size};\n\n"
    "}  // namespace folvaric\n")
  return()
endif()

# folvaric_embed_file(TARGET INPUT SYMBOL HEADER): adds the generated source to TARGET.
function(folvaric_embed_file target input symbol header)
  get_filename_component(name "${input}" NAME_WE)
  set(output "${CMAKE_BINARY_DIR}/generated/${name}_data.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol} -DHEADER=${header}
            -P "${CMAKE_SOURCE_DIR}/cmake/embedded_files.cmake"
    DEPENDS "${input}" "${CMAKE_SOURCE_DIR}/cmake/embedded_files.cmake"
    COMMENT "Embedding ${name} in the program"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()

folvaric_embed_file(folvaric_logic "${CMAKE_SOURCE_DIR}/res/about_picture.jpg" kAboutPictureJpeg
                    "forms/about_picture.h")
