#pragma once

#include <QImage>

// Pictures that ship inside the designer. Each call draws a fresh copy, so whoever takes one owns it.

// The picture a dropped image element shows until a file is chosen: 50 x 50, 24 bits per pixel.
QImage ImagePlaceholder();

// The palette's bar item: 22 x 60.
QImage PaletteBarPicture();

