// The printed game: a heading with the players' names, then the move-list
// lines of the complete move pairs, six to a row, rows on every other line.
#pragma once

#include <string>

#include "rules/record.h"

class QPagedPaintDevice;

namespace kolmar {

// Prints onto a device already set up (a printer, or a PDF writer in tests);
// false when nothing could be painted on it.
bool imprimer_partie(QPagedPaintDevice& page, const Partie& pt, const std::string& blanc, const std::string& noir);

}  // namespace kolmar
