#pragma once

// The month on one page, for the printer and for PDF files: the city,
// method and Asr method in a heading, the Hijri months named, one row a day
// in black on white with every other row shaded grey.

#include "day/month_table.h"

#include <QPageSize>
#include <QRectF>
#include <QString>

class QPainter;

namespace halvo
{

// A4, or Letter where the locale measures in inches.
QPageSize::PageSizeId LocalPaperSize();

// Draws the month inside area (in the painter's device units).
void PaintTimetable(QPainter& painter, const QRectF& area, const MonthTable& table);

// Writes the month as a one-page PDF. false with error set when the file
// cannot be written.
bool WriteTimetablePdf(const MonthTable& table, const QString& path, QString& error);

// "December 2026".
QString MonthTitle(int year, int month);

} // namespace halvo
