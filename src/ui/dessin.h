#pragma once

#include <QImage>

// The program's own pictures, drawn rather than stored: two allele-frequency
// curves drifting apart until one allele is fixed, on the silver background
// and yellow axes of the program's plots.
namespace dessin {

// The About box picture: 100 x 96 pixels, 24 bits per pixel.
QImage image_apropos();

// The application icon at a side of `taille` pixels, with a transparent
// background around a rounded tile.
QImage icone(int taille);

} // namespace dessin
