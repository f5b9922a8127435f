#pragma once

// Pictures on screens of more than one device pixel per pixel: each
// picture drawn by tools/draw_pictures.py also comes at twice its size
// (name@2x.png), which is shown there instead of the picture enlarged.

#include <QIcon>
#include <QImage>
#include <QPixmap>

class QPainter;

namespace halvo
{

// The picture at twice its size, with device pixel ratio 2; a null image
// when it has none (the world map, whose colours are looked up by tap).
const QImage& LoadDenseBitmap(int bitmapId);
const QImage& LoadDenseIcon(int iconId);

// Device pixels per pixel where the painter draws now: the screen's ratio
// times the painter's own scale.
double DevicePixelsPerPixel(const QPainter& painter);

// The picture of the right density for the application's screens, at
// logical size width x height (its own size when 0): plain, or the dense
// drawing reduced to that size at the screen's ratio.
QPixmap PicturePixmap(const QImage& plain, const QImage& dense, int width = 0, int height = 0);

// An icon that carries both drawings, so each screen takes its own.
QIcon PictureIcon(int iconId);

} // namespace halvo
