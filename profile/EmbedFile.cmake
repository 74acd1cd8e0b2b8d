# cmake -DINPUT=file -DOUTPUT=source.cpp -DHEADER=include -DFUNCTION=name -P EmbedFile.cmake
# Writes a C++ source whose FUNCTION() returns the bytes of INPUT, so that a data
# file is part of the program and never looked up at run time.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.new" "// Generated from ${INPUT}; do not edit.
#include \"${HEADER}\"

namespace {
const unsigned char kBytes[${byte_count}] = {
${bytes}
};
}  // namespace

std::string_view ${FUNCTION}()
{
    return {reinterpret_cast<const char*>(kBytes), sizeof kBytes};
}
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
