// Writes the lamp-wall test picture as a JPEG, as a camera would. Run from
// the source tree:
//   vexolume-make-lamp-wall tests/data/scan/lamp_wall.jpg
#include <cstdint>
#include <iostream>
#include <vector>

#include <stb/stb_image_write.h>

#include "examples/lamp_wall.h"
#include "platform/file_io.h"

namespace {

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vexolume-make-lamp-wall OUT.jpg\n";
        return 2;
    }
    const vx::Picture picture = vx::makeLampWall(vx::LampWallPlan{});
    std::vector<std::uint8_t> jpeg;
    if (stbi_write_jpg_to_func(appendBytes, &jpeg, picture.width, picture.height, 3,
                               picture.rgb.data(), 90) == 0) {
        std::cerr << "vexolume-make-lamp-wall: the JPEG could not be encoded\n";
        return 1;
    }
    if (auto s = vx::writeFileAtomically(argv[1], jpeg); !s) {
        std::cerr << s.error().describe() << '\n';
        return 1;
    }
    return 0;
}
