// The printed game: a heading with the players' names, the result and the
// date, then the move-list lines up to the current ply, six to a row, rows
// on every other line, inside a margin.
#pragma once

#include <string>

#include "rules/record.h"

class QPagedPaintDevice;

namespace kolmar {

// Prints onto a device already set up (a printer, or a PDF writer in tests);
// `resultat` as the game-end routine keeps it, `date` as it is to be read.
// False when nothing could be painted on it.
bool imprimer_partie(QPagedPaintDevice& page, const Partie& pt, const std::string& blanc, const std::string& noir,
                     int resultat, const std::string& date);

}  // namespace kolmar
