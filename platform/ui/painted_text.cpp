#include "platform/ui/painted_text.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QWidget>

#include <cmath>
#include <utility>

namespace halvo
{

namespace
{

PaintedTextObserver& Observer()
{
    static PaintedTextObserver observer;
    return observer;
}

// The window a painter draws on, in logical pixels: a widget's own size;
// a picture's pixels over its ratio.
QSizeF LogicalSize(const QPaintDevice& device)
{
    if (const auto* widget = dynamic_cast<const QWidget*>(&device))
        return QSizeF(widget->size());
    const double ratio = device.devicePixelRatioF();
    return QSizeF(device.width() / ratio, device.height() / ratio);
}

} // namespace

QRectF InkedTextRect(const QFont& font, const QString& text, double devicePixelRatio)
{
    const QFontMetricsF metrics(font);
    // Room around the cell for glyphs that reach past their advance.
    const double margin = metrics.height();
    const QSizeF logical(metrics.horizontalAdvance(text) + 2 * margin,
                         metrics.height() + 2 * margin);
    const QSize device(static_cast<int>(std::ceil(logical.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(logical.height() * devicePixelRatio)));
    QImage image(device, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(margin, margin + metrics.ascent()), text);
    }
    int left = device.width();
    int right = -1;
    int top = device.height();
    int bottom = -1;
    for (int y = 0; y < device.height(); ++y)
    {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < device.width(); ++x)
        {
            if (qGray(row[x]) > 224)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRectF(left / devicePixelRatio - margin, top / devicePixelRatio - margin,
                  (right + 1 - left) / devicePixelRatio, (bottom + 1 - top) / devicePixelRatio);
}

PaintedTextObserver SetPaintedTextObserver(PaintedTextObserver observer)
{
    return std::exchange(Observer(), std::move(observer));
}

void ObservePaintedText(const QPainter& painter, const QFont& font, int x, int y,
                        const QString& text)
{
    const PaintedTextObserver& observer = Observer();
    if (!observer || painter.device() == nullptr)
        return;
    const QPaintDevice& device = *painter.device();
    const double scale = std::sqrt(std::abs(painter.worldTransform().determinant()));
    const QRectF inked = InkedTextRect(font, text, device.devicePixelRatioF() * scale);
    if (inked.isEmpty())
        return;
    observer(PaintedTextBox{text.toStdString(),
                            painter.worldTransform().mapRect(inked.translated(x, y)),
                            LogicalSize(device)});
}

} // namespace halvo
