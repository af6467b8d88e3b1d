# Writes OUTPUT, a C++ source that holds the bytes of every file in FILES
# (a ;-list of paths) for firmwareTemplateFiles(). Run with cmake -P.
set(body "")
set(table "")
set(index 0)
foreach(path IN LISTS FILES)
  get_filename_component(name "${path}" NAME)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
  string(APPEND body "const unsigned char kFile${index}[] = {\n${bytes}0};\n")
  string(APPEND table "    {\"${name}\", std::string_view(reinterpret_cast<const char*>(kFile${index}), ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
"// Generated from output/firmware/template by embed_template.cmake.\n"
"#include \"output/firmware/template_files.h\"\n\n"
"#include <array>\n\n"
"namespace vx {\nnamespace {\n\n${body}\n"
"const std::array<TemplateFile, ${index}> kFiles = {{\n${table}}};\n\n"
"}  // namespace\n\n"
"std::span<const TemplateFile> firmwareTemplateFiles() { return kFiles; }\n\n"
"}  // namespace vx\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
