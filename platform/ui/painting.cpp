#include "platform/ui/bitmap_pixel.h"
#include "platform/ui/dense_pictures.h"
#include "platform/ui/framework_impl.h"
#include "platform/ui/painted_text.h"
#include "platform/ui/translation.h"

#include <QFontMetrics>

#include <algorithm>
#include <utility>

namespace halvo
{

// --- Colours and texts: the one place where 0x00BBGGRR meets the toolkit.

QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

COLORREF FromQColor(const QColor& colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}

QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}
std::string FromQString(const QString& text)
{
    return text.toStdString();
}

static QFont MakeFont(const FontSpec& request)
{
    QFont font(ToQString(request.face));
    font.setStyleStrategy(QFont::PreferDefault);
    font.setWeight(request.weight >= 600 ? QFont::Bold : QFont::Normal);
    if (request.height < 0)
    {
        font.setPixelSize(-request.height);
    }
    else
    {
        // A positive height is the whole cell; the character is about
        // four fifths of it.
        font.setPixelSize(std::max(1, request.height * 4 / 5));
    }
    return font;
}

QFont SystemFont()
{
    return MakeFont(FontSpec{"Verdana", -11, 400});
}

// --- Device contexts.

CDC::CDC(std::unique_ptr<Impl> impl) : impl_(std::move(impl))
{
    impl_->painter->setPen(QPen(Qt::black, 1));
    impl_->painter->setBrush(Qt::white);
    impl_->font = SystemFont();
    impl_->painter->setFont(impl_->font);
}

CDC::~CDC() = default;

// Right to left, lines and boxes take their mirrored places with the texts
// they frame; pictures (the compass, the map, the Moon) are drawn where
// they are, as they show the world.
static QRect PlacedRect(const CDC::Impl& impl, const CRect& rect)
{
    const int left = impl.mirrorWidth > 0 ? impl.mirrorWidth - rect.right : rect.left;
    return QRect(left, rect.top, rect.Width(), rect.Height());
}

static QPoint PlacedPoint(const CDC::Impl& impl, int x, int y)
{
    return QPoint(impl.mirrorWidth > 0 ? impl.mirrorWidth - x : x, y);
}

void CDC::FillSolidRect(const CRect& rect, COLORREF colour)
{
    impl_->painter->fillRect(PlacedRect(*impl_, rect), ToQColor(colour));
}

COLORREF CDC::SetTextColor(COLORREF colour)
{
    const COLORREF previous = FromQColor(impl_->painter->pen().color());
    QPen pen = impl_->painter->pen();
    pen.setColor(ToQColor(colour));
    impl_->painter->setPen(pen);
    return previous;
}

void CDC::SelectFont(const FontSpec& font)
{
    impl_->font = MakeFont(font);
    impl_->painter->setFont(impl_->font);
}

// Every painted text passes here: it is shown in the active language, and
// in a right-to-left one its box is mirrored across the surface.
void CDC::TextOut(int x, int y, const std::string& text, const char* argument)
{
    DrawShownText(x, y, argument != nullptr ? ShownText(text, argument) : ShownText(text),
                  impl_->fitWidth - x);
}

void CDC::TextOutWithin(int x, int y, const std::string& text, int width)
{
    DrawShownText(x, y, ShownText(text), std::min(width, impl_->fitWidth - x));
}

void CDC::DrawShownText(int x, int y, const std::string& text, int room)
{
    const QFontMetrics metrics(impl_->font);
    const QString shown = ToQString(text);
    int width = metrics.horizontalAdvance(shown);
    // Narrowed, never cut: the text is squeezed across just enough to end
    // at the window's edge or its column's (or start there, right to left).
    // A scale rather than a condensed font, so glyphs a fallback font draws
    // (Arabic, Bengali) are narrowed too.
    const bool narrowed = impl_->fitWidth > 0 && width > room && room > 0;
    const double squeeze = narrowed ? static_cast<double>(room) / width : 1.0;
    if (narrowed)
        width = room;
    if (impl_->mirrorWidth > 0)
        x = impl_->mirrorWidth - x - width;
    QPainter& painter = *impl_->painter;
    painter.save();
    painter.translate(x, y);
    painter.scale(squeeze, 1.0);
    painter.drawText(QPoint(0, metrics.ascent()), shown);
    ObservePaintedText(painter, painter.font(), 0, 0, shown);
    painter.restore();
    const QTransform& place = painter.transform();
    const int left = place.map(QPoint(x, y)).x();
    const int right = place.map(QPoint(x + width, y)).x();
    impl_->textsLeft = std::min(impl_->textsLeft, left);
    impl_->textsRight = std::max(impl_->textsRight, right);
    if (const auto& observe = ShownTextObserver())
        observe(ShownTextBox{FromQString(shown), left, right, painter.device()->width(),
                             place.map(QPoint(x, y)).y(),
                             place.map(QPoint(x, y + metrics.height())).y()});
    if (impl_->painted != nullptr)
    {
        const QRect cell(x, y, width, metrics.height());
        impl_->painted->push_back({shown, place.mapRect(cell)});
    }
}

void CDC::MoveTo(int x, int y)
{
    impl_->current = PlacedPoint(*impl_, x, y);
}

namespace
{

// Shapes are drawn with the default pen, black and one pixel wide, whatever
// text colour is set; the text colour is kept for the texts that follow.
class DefaultPen
{
  public:
    explicit DefaultPen(QPainter& painter) : painter_(painter), textPen_(painter.pen())
    {
        painter_.setPen(QPen(Qt::black, 1));
    }
    ~DefaultPen() { painter_.setPen(textPen_); }
    DefaultPen(const DefaultPen&) = delete;
    DefaultPen& operator=(const DefaultPen&) = delete;

  private:
    QPainter& painter_;
    QPen textPen_;
};

} // namespace

void CDC::LineTo(int x, int y)
{
    const DefaultPen pen(*impl_->painter);
    const QPoint end = PlacedPoint(*impl_, x, y);
    impl_->painter->drawLine(impl_->current, end);
    impl_->current = end;
}

void CDC::Rectangle(const CRect& rect)
{
    QPainter& painter = *impl_->painter;
    const DefaultPen pen(painter);
    painter.setBrush(Qt::white);
    const QRect placed = PlacedRect(*impl_, rect);
    painter.drawRect(placed.adjusted(0, 0, -1, -1));
}

void CDC::FrameRect(const CRect& rect, COLORREF colour)
{
    QPainter& painter = *impl_->painter;
    const QPen textPen = painter.pen();
    painter.setPen(QPen(ToQColor(colour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(PlacedRect(*impl_, rect).adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::white);
    painter.setPen(textPen);
}

void CDC::Polygon(const std::vector<CPoint>& points, const BrushSpec& brush)
{
    QPainter& painter = *impl_->painter;
    QPolygon polygon;
    for (const CPoint& point : points)
        polygon << QPoint(point.x, point.y);
    if (brush.pattern)
    {
        QImage tile(8, 8, QImage::Format_RGB32);
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 8; ++column)
            {
                const bool set = (brush.rows[static_cast<std::size_t>(row)] >> (7 - column)) & 1;
                tile.setPixel(column, row,
                              set ? ToQColor(brush.colour).rgb() : qRgb(255, 255, 255));
            }
        painter.setBrush(QBrush(tile));
    }
    else
    {
        painter.setBrush(ToQColor(brush.colour));
    }
    const DefaultPen pen(painter);
    painter.drawPolygon(polygon);
    // The toolkit's outline may leave out a corner's own pixel; a closed
    // polygon's outline passes through every corner.
    for (const CPoint& point : points)
        painter.drawPoint(point.x, point.y);
    painter.setBrush(Qt::white);
}

static QString PicturePath(const char* kind, int id)
{
    return QStringLiteral(":/halvo/%1_%2.png").arg(QLatin1String(kind)).arg(id);
}

// Pictures are decoded once: they are part of the program and never change.
static const QImage& LoadPicture(const char* kind, int id)
{
    static std::map<std::pair<std::string, int>, QImage> decoded;
    const auto key = std::make_pair(std::string(kind), id);
    const auto found = decoded.find(key);
    if (found != decoded.end())
        return found->second;
    return decoded.emplace(key, QImage(PicturePath(kind, id))).first->second;
}

const QImage& LoadBitmap(int bitmapId)
{
    return LoadPicture("bitmap", bitmapId);
}
const QImage& LoadIcon(int iconId)
{
    return LoadPicture("icon", iconId);
}

void CDC::PatternRectangle(const CRect& rect, int bitmapId)
{
    QPainter& painter = *impl_->painter;
    const QImage& image = LoadBitmap(bitmapId);
    const QRect placed = PlacedRect(*impl_, rect);
    QBrush brush(Qt::white);
    if (!image.isNull())
    {
        brush = QBrush(image);
        // The pattern starts at the rectangle's corner, so the picture
        // stands whole in a rectangle of its own size.
        brush.setTransform(QTransform::fromTranslate(placed.left(), placed.top()));
    }
    const DefaultPen pen(painter);
    painter.setBrush(brush);
    painter.drawRect(placed.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::white);
}

bool CDC::DrawBitmap(int x, int y, int bitmapId)
{
    const QImage& image = LoadBitmap(bitmapId);
    if (image.isNull())
        return false;
    QPainter& painter = *impl_->painter;
    const auto mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage& dense = LoadDenseBitmap(bitmapId);
    if (!dense.isNull() && DevicePixelsPerPixel(painter) > 1.0)
    {
        // A dense screen or a larger window: the drawing at twice the size,
        // reduced smoothly to the pixels there are, never the small one enlarged.
        const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(QRectF(x, y, image.width(), image.height()), dense);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    }
    else
    {
        painter.drawImage(QPoint(x, y), image);
    }
    painter.setCompositionMode(mode);
    return true;
}

void CDC::SetTransform(CPoint origin, double scale)
{
    QPainter& painter = *impl_->painter;
    painter.setTransform(QTransform(scale, 0, 0, scale, origin.x, origin.y));
    // The picture is centred, so its own width is what the scale leaves of
    // the surface between two equal margins.
    if (scale > 0)
    {
        const int pictureWidth =
            static_cast<int>((impl_->deviceWidth - 2 * origin.x) / scale + 0.5);
        if (impl_->mirrorWidth > 0)
            impl_->mirrorWidth = pictureWidth;
        if (impl_->fitWidth > 0)
            impl_->fitWidth = pictureWidth;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != 1.0);
}

int SystemFontTextWidth(const std::string& text, const char* argument)
{
    EnsureApplication();
    return QFontMetrics(SystemFont())
        .horizontalAdvance(
            ToQString(argument != nullptr ? ShownText(text, argument) : ShownText(text)));
}

CPoint BitmapSize(int bitmapId)
{
    const QImage& image = LoadBitmap(bitmapId);
    return CPoint{image.width(), image.height()};
}

std::optional<COLORREF> BitmapPixel(int bitmapId, int x, int y)
{
    const QImage& image = LoadBitmap(bitmapId);
    if (!image.valid(x, y))
        return std::nullopt;
    return FromQColor(QColor(image.pixel(x, y)));
}

void PaintTexts(CDC& dc, std::span<const PaintedText> texts, COLORREF textColour,
                COLORREF headerColour)
{
    for (const PaintedText& text : texts)
    {
        dc.SetTextColor(text.colour == TextColour::kHeader ? headerColour : textColour);
        dc.TextOut(text.x, text.y, text.text, text.argument);
    }
}

// --- Pictures.

Picture::Picture() : impl(std::make_shared<Impl>()) {}
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;

int Picture::Width() const
{
    return impl->image.width();
}
int Picture::Height() const
{
    return impl->image.height();
}

COLORREF Picture::Pixel(int x, int y) const
{
    if (!impl->image.valid(x, y))
        return 0xFFFFFFFFu;
    return FromQColor(QColor(impl->image.pixel(x, y)));
}

bool Picture::SavePng(const std::string& path) const
{
    return impl->image.save(ToQString(path), "PNG");
}

Picture RenderPicture(int width, int height, const std::function<void(CDC&)>& paint)
{
    EnsureApplication();
    Picture picture;
    picture.impl->image = QImage(width, height, QImage::Format_RGB32);
    picture.impl->image.fill(Qt::white);
    QPainter painter(&picture.impl->image);
    auto impl = std::make_unique<CDC::Impl>();
    impl->painter = &painter;
    impl->deviceWidth = width;
    impl->mirrorWidth = RightToLeft() ? width : 0;
    CDC dc(std::move(impl));
    paint(dc);
    return picture;
}

} // namespace halvo
