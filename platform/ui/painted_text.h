#pragma once

// What a text looks like once painted, for the checks that no window cuts
// a text at any screen density.

#include <QFont>
#include <QRectF>
#include <QString>

#include <functional>
#include <string>

class QPainter;

namespace halvo
{

// The pixels a text inks when drawn with its cell's top-left corner at
// (0, 0), in logical pixels, rendered at the given device pixel ratio (so
// the font's own rendering at that density is measured, not a guess).
// Empty for a text that inks nothing.
QRectF InkedTextRect(const QFont& font, const QString& text, double devicePixelRatio);

// One text a paint drew: its inked box in the painted window's logical
// pixels and that window's size.
struct PaintedTextBox
{
    std::string text;
    QRectF box;
    QSizeF window;
};

using PaintedTextObserver = std::function<void(const PaintedTextBox&)>;

// Every text CDC::TextOut draws from now on goes to the observer as well
// (tests); an empty one stops it. Returns the observer it replaces.
PaintedTextObserver SetPaintedTextObserver(PaintedTextObserver observer);

// Tells the observer, if any, about a text drawn at (x, y) by the painter.
void ObservePaintedText(const QPainter& painter, const QFont& font, int x, int y,
                        const QString& text);

} // namespace halvo
