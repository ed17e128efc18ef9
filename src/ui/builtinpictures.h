#pragma once

#include <QImage>

// Pictures of the designer's own controls; the image element's placeholder is the model's. Each call
// draws a fresh copy.

// The palette's bar item: 22 x 60.
QImage PaletteBarPicture();
