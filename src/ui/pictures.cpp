// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

namespace quintavia::ui {

namespace {

QHash<QString, PrerenderedPicture>& prerendered()
{
    static QHash<QString, PrerenderedPicture> pictures;
    return pictures;
}

int& misses()
{
    static int count = 0;
    return count;
}

qreal screenRatio(qreal devicePixelRatio)
{
    if (devicePixelRatio > 0)
        return devicePixelRatio;
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

// The prerendered picture under `key`, sharing the program's read-only data; a null image on a
// high-resolution screen (the set holds ordinary pixels only) or when the key is not in the set.
QImage findPrerendered(const QString& key, qreal devicePixelRatio)
{
    if (prerendered().isEmpty() || devicePixelRatio != 1.0)
        return {};
    const auto found = prerendered().constFind(key);
    if (found == prerendered().cend()) {
        ++misses();
        return {};
    }
    const PrerenderedPicture& p = *found;
    return QImage(p.pixels, p.width, p.height, qsizetype(p.width) * 4, QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

void usePrerenderedPictures(std::span<const PrerenderedPicture> pictures)
{
    prerendered().clear();
    for (const PrerenderedPicture& p : pictures)
        prerendered().insert(QString::fromUtf8(p.key), p);
    misses() = 0;
}

int prerenderedMisses()
{
    return misses();
}

QString pictureKey(const QString& resource, QSize size)
{
    return QStringLiteral("%1@%2x%3").arg(resource).arg(size.width()).arg(size.height());
}

QString backgroundKey(const WindowSpec& layout)
{
    return QString::fromUtf8(layout.name) + QStringLiteral("@background");
}

QImage renderSvg(const QString& resource, QSize size, qreal devicePixelRatio)
{
    // Through Qt's SVG image plugin, loaded only when a picture must be drawn: the program does
    // not link the SVG library, which its first window does not need.
    QImageReader reader(resource);
    reader.setScaledSize(size * devicePixelRatio);
    QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != size * devicePixelRatio) {
        image = QImage(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage composeBackground(const WindowSpec& layout, const QColor& defaultFill, qreal devicePixelRatio)
{
    const QSize client(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    QImage canvas(client * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(devicePixelRatio);
    canvas.fill(layout.background ? layout.background->toColor() : defaultFill);
    QPainter painter(&canvas);
    // At its own size from the top-left corner: a brush of the bare picture would tile it where
    // the window is larger than the picture.
    const QSize pictureSize(layout.backgroundPictureWidth, layout.backgroundPictureHeight);
    painter.drawPixmap(0, 0,
                       svgPixmap(QString::fromUtf8(layout.backgroundPicture), pictureSize, devicePixelRatio));
    return canvas;
}

QPixmap svgPixmap(const QString& resource, QSize size, qreal devicePixelRatio)
{
    devicePixelRatio = screenRatio(devicePixelRatio);
    // Drawn once per size: windows are built anew on every visit, their pictures need not be.
    const QString picture = pictureKey(resource, size);
    const QString key = picture + QLatin1Char('@') + QString::number(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QImage ready = findPrerendered(picture, devicePixelRatio);
    pixmap = QPixmap::fromImage(ready.isNull() ? renderSvg(resource, size, devicePixelRatio) : ready);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon pictureIcon(const QString& resource, QSize size)
{
    const QImage ready = findPrerendered(pictureKey(resource, size), screenRatio(0));
    // Without it, QIcon draws the SVG file afresh at every size and resolution asked for.
    return ready.isNull() ? QIcon(resource) : QIcon(QPixmap::fromImage(ready));
}

QIcon windowIcon(const QString& resource)
{
    QIcon icon;
    for (int side : kWindowIconSizes) {
        const QImage ready = findPrerendered(pictureKey(resource, QSize(side, side)), screenRatio(0));
        if (ready.isNull())
            return QIcon(resource);
        icon.addPixmap(QPixmap::fromImage(ready));
    }
    return icon;
}

QBrush backgroundBrush(const WindowSpec& layout, const QColor& defaultFill)
{
    const qreal ratio = screenRatio(0);
    const QImage ready = findPrerendered(backgroundKey(layout), ratio);
    if (!ready.isNull())
        return QBrush(ready);  // painted straight from the program's data, never copied
    return QBrush(QPixmap::fromImage(composeBackground(layout, defaultFill, ratio)));
}

QCursor pointingHandCursor()
{
    // Made once for every button: a cursor from a picture computes its mask anew each time. Never
    // freed, as a cursor must not outlive the platform that shows it.
    static const QCursor* hand = new QCursor(svgPixmap(QString::fromLatin1(kPointingHandPicture),
                                                       QSize(kPointingHandSide, kPointingHandSide), 1.0),
                                             6, 5);
    return *hand;
}

}  // namespace quintavia::ui
