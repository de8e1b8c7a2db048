#pragma once
// Moving pixels between decoded pictures and bitmaps.

#include "files/jpeg_codec.h"
#include "model/canvas.h"

#include <string>

namespace murva {

// Draws the picture unscaled at the top left of the bitmap; where it ends, the bitmap
// keeps what it had.
void DrawRgbImage(const TRgbImage& image, Bitmap& into);

// Draws a BMP or JPEG file unscaled at the top left of the bitmap: a BMP cut at the
// bitmap's size or extended with white, a JPEG over what the bitmap had. False, and the
// bitmap as it was, when the file cannot be read.
bool DrawPictureFile(const std::string& path, Graphics& graphics, Bitmap& into);

// The bitmap's pixels as an RGB picture.
TRgbImage RgbImageOf(const Bitmap& picture);

} // namespace murva
