#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

/// The colour an OLE colour stands for: an RGB value 0x00BBGGRR as it is, a system colour
/// (0x80000000 plus an index from 0 to 24) as the nearest role of the given palette, so that the
/// button face looks like the desktop's buttons. Any other value gives an invalid QColor.
QColor resolveOleColor(qint32 oleColor, const QPalette &palette);
