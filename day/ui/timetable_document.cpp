#include "day/ui/timetable_document.h"

#include <QDate>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace halvo
{

namespace
{

QString Utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The columns' widths for the font in use: each as wide as its widest text.
// The heads are bold, so they are measured in bold.
std::array<qreal, 2 + kPrayerCount> ColumnWidths(const QFontMetricsF& metrics,
                                                 const QFontMetricsF& boldMetrics,
                                                 const MonthTable& table,
                                                 const std::array<QString, 2 + kPrayerCount>& head)
{
    std::array<qreal, 2 + kPrayerCount> widths{};
    for (std::size_t i = 0; i < head.size(); ++i)
        widths[i] = boldMetrics.horizontalAdvance(head[i]);
    for (const MonthRow& row : table.rows)
    {
        const QDate date(row.date.year, row.date.month, row.date.day);
        widths[0] =
            std::max(widths[0], metrics.horizontalAdvance(QLocale::c().toString(date, "ddd d")));
        widths[1] = std::max(widths[1], metrics.horizontalAdvance(Utf8(row.hijri)));
        for (std::size_t i = 0; i < row.times.size(); ++i)
            widths[2 + i] = std::max(widths[2 + i], metrics.horizontalAdvance(Utf8(row.times[i])));
    }
    return widths;
}

} // namespace

QString MonthTitle(int year, int month)
{
    return QLocale::c().monthName(month, QLocale::LongFormat) + ' ' + QString::number(year);
}

QPageSize::PageSizeId LocalPaperSize()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

void PaintTimetable(QPainter& painter, const QRectF& area, const MonthTable& table)
{
    const std::array<QString, 2 + kPrayerCount> head = {"Date", "Hijri", "Fajr",    "Sunrise",
                                                        "Zuhr", "Asr",   "Maghrib", "Isha"};
    const std::array<QString, 4> heading = {
        "Prayer times, " + MonthTitle(table.year, table.month) + ": " + Utf8(table.city),
        Utf8(table.convention) + "; Asr " + Utf8(table.asrMethod),
        "Hijri: " + Utf8(table.hijriMonths), QString()};
    // Heading lines, the column heads and up to 31 days share the height.
    const int lines = static_cast<int>(heading.size()) + 1 + 31;
    const qreal lineHeight = area.height() / lines;
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, static_cast<int>(lineHeight * 0.6)));
    // Smaller until the columns fit across the page with a gap between them.
    qreal gap = 0;
    std::array<qreal, 2 + kPrayerCount> widths{};
    for (;;)
    {
        const QFontMetricsF metrics(font, painter.device());
        QFont boldFont = font;
        boldFont.setBold(true);
        widths = ColumnWidths(metrics, QFontMetricsF(boldFont, painter.device()), table, head);
        gap = metrics.horizontalAdvance("MM");
        qreal total = gap * static_cast<qreal>(widths.size() - 1);
        for (qreal width : widths)
            total += width;
        if (total <= area.width() || font.pixelSize() <= 4)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }

    painter.save();
    painter.setPen(Qt::black);
    qreal y = area.top();
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    for (const QString& line : heading)
    {
        painter.drawText(QRectF(area.left(), y, area.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight;
        painter.setFont(font);
    }

    auto drawRow = [&](const std::array<QString, 2 + kPrayerCount>& cells, qreal top)
    {
        qreal x = area.left();
        for (std::size_t i = 0; i < cells.size(); ++i)
        {
            // Dates to the left, times to the right so their colons line up.
            const Qt::Alignment align = i < 2 ? Qt::AlignLeft : Qt::AlignRight;
            painter.drawText(QRectF(x, top, widths[i], lineHeight), align | Qt::AlignVCenter,
                             cells[i]);
            x += widths[i] + gap;
        }
    };
    painter.setFont(bold);
    drawRow(head, y);
    y += lineHeight;
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setFont(font);
    bool shaded = false;
    for (const MonthRow& row : table.rows)
    {
        if (shaded)
            painter.fillRect(QRectF(area.left(), y, area.width(), lineHeight),
                             QColor(225, 225, 225));
        shaded = !shaded;
        const QDate date(row.date.year, row.date.month, row.date.day);
        std::array<QString, 2 + kPrayerCount> cells = {QLocale::c().toString(date, "ddd d"),
                                                       Utf8(row.hijri)};
        for (std::size_t i = 0; i < row.times.size(); ++i)
            cells[2 + i] = Utf8(row.times[i]);
        drawRow(cells, y);
        y += lineHeight;
    }
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.restore();
}

bool WriteTimetablePdf(const MonthTable& table, const QString& path, QString& error)
{
    // QPdfWriter says nothing of a file it cannot open: try it first.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    {
        error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle("Prayer times, " + MonthTitle(table.year, table.month));
        writer.setCreator("Halvo Tavorin");
        writer.setPageSize(QPageSize(LocalPaperSize()));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        QPainter painter;
        if (!painter.begin(&writer))
        {
            error = "the PDF could not be started";
            return false;
        }
        PaintTimetable(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())),
                       table);
        painter.end();
    }
    if (!file.flush() || file.error() != QFileDevice::NoError)
    {
        error = file.errorString();
        return false;
    }
    file.close();
    return true;
}

} // namespace halvo
