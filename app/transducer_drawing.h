#pragma once

#include <QImage>

// The 32 x 32 program icon: a silver square in a black frame, two coil
// sections on either side, the magnet (blue over red) between them and an
// arrow below it pointing up. Needs no QGuiApplication.
QImage DrawTransducerIcon();

// The 150 x 150 section through the transducer shown beside the inputs: the
// axis, the four coil sections, the magnet around its bore, the dimension
// lines R1, R2, H, s, D1, D2 and three lines of text. Draws text, so a
// QGuiApplication must exist.
QImage DrawTransducerPicture();
