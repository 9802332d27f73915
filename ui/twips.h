#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <QtMath>

/// The window layout is given in twips, 1/1440 inch. At 96 dots per inch a logical pixel is
/// 15 twips; Qt scales logical pixels on high-density screens by itself.
namespace Twips {

inline constexpr int kPerPixel = 15;

/// Logical pixels for a length in twips, rounded to the nearest pixel.
inline int toPixels(double twips)
{
    return qRound(twips / kPerPixel);
}

inline constexpr double fromPixels(int pixels)
{
    return static_cast<double>(pixels) * kPerPixel;
}

/// A rectangle given as Left, Top, Width, Height in twips. The edges are rounded rather than the
/// sizes, so that controls that touch in twips still touch in pixels.
inline QRect rect(double left, double top, double width, double height)
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

/// A rectangle of pixels as it stands in a container of containerWidth pixels: as it is from left
/// to right, mirrored within the container from right to left.
inline QRect visual(const QRect &logical, int containerWidth, Qt::LayoutDirection direction)
{
    if (direction != Qt::RightToLeft)
        return logical;
    return QRect(containerWidth - logical.x() - logical.width(), logical.y(), logical.width(), logical.height());
}

/// The same for a rectangle given in twips, Left counted from the container's start side.
inline QRect rect(double left, double top, double width, double height, int containerWidth,
                  Qt::LayoutDirection direction)
{
    // Mirrored in whole pixels, so that the mirror image keeps the edges that touch.
    return visual(rect(left, top, width, height), containerWidth, direction);
}

/// Names a control and puts it at a rectangle given in twips within its parent, mirrored where
/// the parent lays out from right to left; returns the control.
template<typename T> T *place(T *control, const QString &name, double left, double top, double width, double height)
{
    control->setObjectName(name);
    const QWidget *parent = control->parentWidget();
    control->setGeometry(parent ? rect(left, top, width, height, parent->width(), parent->layoutDirection())
                                : rect(left, top, width, height));
    return control;
}

} // namespace Twips
