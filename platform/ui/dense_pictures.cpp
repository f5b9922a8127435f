#include "platform/ui/dense_pictures.h"

#include "platform/ui/framework_impl.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>
#include <map>
#include <string>
#include <utility>

namespace halvo
{

namespace
{

// Decoded once, as the plain pictures are.
const QImage& LoadDense(const char* kind, int id)
{
    static std::map<std::pair<std::string, int>, QImage> decoded;
    const auto key = std::make_pair(std::string(kind), id);
    const auto found = decoded.find(key);
    if (found != decoded.end())
        return found->second;
    QImage image(QStringLiteral(":/halvo/%1_%2@2x.png").arg(QLatin1String(kind)).arg(id));
    if (!image.isNull())
        image.setDevicePixelRatio(2.0);
    return decoded.emplace(key, std::move(image)).first->second;
}

} // namespace

const QImage& LoadDenseBitmap(int bitmapId)
{
    return LoadDense("bitmap", bitmapId);
}

const QImage& LoadDenseIcon(int iconId)
{
    return LoadDense("icon", iconId);
}

double DevicePixelsPerPixel(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    const double screen = device != nullptr ? device->devicePixelRatioF() : 1.0;
    const QTransform& world = painter.worldTransform();
    return screen * std::sqrt(std::abs(world.determinant()));
}

QPixmap PicturePixmap(const QImage& plain, const QImage& dense, int width, int height)
{
    const int logicalWidth = width > 0 ? width : plain.width();
    const int logicalHeight = height > 0 ? height : plain.height();
    const double ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
    const QImage& source = ratio > 1.0 && !dense.isNull() ? dense : plain;
    if (ratio <= 1.0 && logicalWidth == plain.width() && logicalHeight == plain.height())
        return QPixmap::fromImage(plain);
    const double scale = ratio > 1.0 ? ratio : 1.0;
    const QSize device(static_cast<int>(std::lround(logicalWidth * scale)),
                       static_cast<int>(std::lround(logicalHeight * scale)));
    QImage sized = source.size() == device
                       ? source
                       : source.scaled(device, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    sized.setDevicePixelRatio(scale);
    return QPixmap::fromImage(sized);
}

QIcon PictureIcon(int iconId)
{
    QIcon icon(QPixmap::fromImage(LoadIcon(iconId)));
    const QImage& dense = LoadDenseIcon(iconId);
    if (!dense.isNull())
        icon.addPixmap(QPixmap::fromImage(dense));
    return icon;
}

} // namespace halvo
