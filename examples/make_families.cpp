// Writes the effect-family example. Run from the source tree:
//   vexolume-make-families examples/families.led
#include <iostream>

#include "examples/families_layout.h"
#include "layout/layout_file.h"
#include "platform/file_io.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vexolume-make-families OUT.led\n";
        return 2;
    }
    const auto bytes = vx::encodeLayout(vx::makeFamiliesLayout());
    if (auto s = vx::writeFileAtomically(argv[1], bytes); !s) {
        std::cerr << s.error().describe() << '\n';
        return 1;
    }
    return 0;
}
