// The program's sounds, played through Qt Multimedia. A machine without a
// sound output plays nothing and says nothing.
#pragma once

#include <QString>

class QObject;

namespace kolmar {

// "son.wav", "gagne.wav", "Perdu.wav" from the program directory; the
// effect is kept as a child of `proprietaire` for the next time.
void jouer_son(QObject* proprietaire, const char* fichier);

// The last file asked for, for the tests ("" when none).
QString dernier_son();

}  // namespace kolmar
