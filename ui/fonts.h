#pragma once

#include <QFont>

/// The fonts of Dorvane's windows, all Arial.
namespace Fonts {

inline QFont arial(double pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

/// The configuration and help windows, and every control in them.
inline QFont window()
{
    return arial(8.25);
}
/// The captions of the configuration window's frames.
inline QFont frameCaption()
{
    return arial(8.25, true);
}
/// The alert's button.
inline QFont alertButton()
{
    return arial(9.75);
}
/// The alert's message.
inline QFont alertMessage()
{
    return arial(36, true);
}

} // namespace Fonts
