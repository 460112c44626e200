# Writes OUTPUT, a C++ source defining the bytes of INPUT as
# `const unsigned char SYMBOL[]` and `const std::size_t SYMBOL_size`.
# Run as: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P EmbedFile.cmake
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
# Lines of 32 bytes keep the generated file readable for the compiler's messages.
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.new"
    "// Generated from ${INPUT} by cmake/EmbedFile.cmake.\n"
    "#include <cstddef>\n"
    "extern const unsigned char ${SYMBOL}[] = {\n${bytes}\n};\n"
    "extern const std::size_t ${SYMBOL}_size = ${size};\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
