#pragma once
// Printing the lamp layout (Print, Print Preview, print to PDF): fixed pages
// of 50 x 76 cells, drawn like the screen with the lamps filling their cells,
// numbered down each column of tiles, each with its label "page  %d ".

#include "layout/lamp_layout.h"

class QPrinter;

namespace vx {

// Prints every page, or the printer's chosen page range. Returns the number
// of pages printed; 0 when the printer could not start.
int printLayout(QPrinter& printer, const LampLayout& layout);

}  // namespace vx
