// Writes the bundled sample layout. Run from the source tree:
//   vexolume-make-sample examples/sample.led
#include <iostream>

#include "examples/sample_layout.h"
#include "layout/layout_file.h"
#include "platform/file_io.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vexolume-make-sample OUT.led\n";
        return 2;
    }
    const auto bytes = vx::encodeLayout(vx::makeSampleLayout());
    if (auto s = vx::writeFileAtomically(argv[1], bytes); !s) {
        std::cerr << s.error().describe() << '\n';
        return 1;
    }
    return 0;
}
