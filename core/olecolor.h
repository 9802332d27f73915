#pragma once

#include <QtGlobal>

/// OLE colours: 0x00BBGGRR for an RGB colour, or 0x80000000 plus a system colour index.
namespace OleColor {

inline constexpr qint32 kBlack = 0;
inline constexpr qint32 kWhite = 0x00FFFFFF;
/// System colour 15, the face of a push button.
inline constexpr qint32 kButtonFace = static_cast<qint32>(0x8000000F);
/// The highest documented system colour index (the tooltip background).
inline constexpr int kLastSystemIndex = 24;

constexpr bool isSystem(qint32 c) { return (static_cast<quint32>(c) & 0xFF000000u) == 0x80000000u; }
constexpr int systemIndex(qint32 c) { return static_cast<int>(static_cast<quint32>(c) & 0x00FFFFFFu); }
constexpr bool isRgb(qint32 c) { return (static_cast<quint32>(c) & 0xFF000000u) == 0; }

/// True for an RGB colour or a documented system colour; anything else cannot be shown.
constexpr bool isValid(qint32 c)
{
    return isRgb(c) || (isSystem(c) && systemIndex(c) <= kLastSystemIndex);
}

constexpr int red(qint32 c) { return c & 0xFF; }
constexpr int green(qint32 c) { return (c >> 8) & 0xFF; }
constexpr int blue(qint32 c) { return (c >> 16) & 0xFF; }
constexpr qint32 fromRgb(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }

} // namespace OleColor
