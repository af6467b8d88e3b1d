#pragma once
// The controller firmware sources (the firmware template), built into the
// program from output/firmware/template so that a build can write them into
// the tool folder. The main program is sing1.mov; CData.h and cport.h are
// generated per layout and are not among these files.

#include <span>
#include <string_view>

namespace vx {

struct TemplateFile {
    std::string_view name;   // file name in the tool folder
    std::string_view bytes;  // contents, lines ended by a line feed
};

// Every template file, in the order they are written.
std::span<const TemplateFile> firmwareTemplateFiles();

}  // namespace vx
