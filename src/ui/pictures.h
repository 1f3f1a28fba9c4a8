// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/layout.h"

#include <QBrush>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <array>
#include <span>

class QCursor;

namespace quintavia::ui {

// A picture drawn at build time, at the one size a window shows it, as premultiplied ARGB32 rows.
// Drawing an SVG file costs more than everything else a window does before it shows.
struct PrerenderedPicture {
    const char* key;
    int width;
    int height;
    const unsigned char* pixels;
};

// The program's set of prerendered pictures; without one (as in most tests) every picture is drawn
// from its SVG file when first asked for.
void usePrerenderedPictures(std::span<const PrerenderedPicture> pictures);
// How many pictures were asked for at ordinary resolution and not found in the set.
int prerenderedMisses();

QString pictureKey(const QString& resource, QSize size);
QString backgroundKey(const WindowSpec& layout);
// The sizes a window icon is given in, the ones the X11 platform asks a scalable icon for.
inline constexpr std::array<int, 4> kWindowIconSizes{16, 32, 64, 128};

// An SVG resource drawn at `size` device-independent pixels.
QImage renderSvg(const QString& resource, QSize size, qreal devicePixelRatio);
// The window's background picture at its own size from the top-left corner, over its background
// colour (or `defaultFill`), cut off at the client area.
QImage composeBackground(const WindowSpec& layout, const QColor& defaultFill, qreal devicePixelRatio);

// An SVG resource as a pixmap of `size` device-independent pixels, sharp on any screen.
QPixmap svgPixmap(const QString& resource, QSize size, qreal devicePixelRatio = 0);
// A button's picture shown at `size`.
QIcon pictureIcon(const QString& resource, QSize size);
QIcon windowIcon(const QString& resource);
QBrush backgroundBrush(const WindowSpec& layout, const QColor& defaultFill);

// The pointing hand shown over buttons: 32 by 32, hot spot at (6, 5).
inline constexpr const char* kPointingHandPicture = ":/pictures/pointing_hand.svg";
inline constexpr int kPointingHandSide = 32;
QCursor pointingHandCursor();

}  // namespace quintavia::ui
