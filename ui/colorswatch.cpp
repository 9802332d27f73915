#include "colorswatch.h"

#include "olepalette.h"

#include <QApplication>
#include <QEvent>

ColorSwatch::ColorSwatch(QWidget *parent)
    : ClickableLabel(parent)
{
}

void ColorSwatch::setOleColor(qint32 oleColor)
{
    m_oleColor = oleColor;
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    applyColor();
}

qint32 ColorSwatch::oleColor() const
{
    return m_oleColor.value_or(0);
}

void ColorSwatch::changeEvent(QEvent *event)
{
    // A system colour follows the desktop's palette.
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyColor();
    ClickableLabel::changeEvent(event);
}

void ColorSwatch::applyColor()
{
    if (!m_oleColor)
        return;
    // Resolved against the application's palette: our own has the previous swatch colour in it.
    const QColor colour = resolveOleColor(*m_oleColor, QApplication::palette());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour.isValid() ? colour : QApplication::palette().color(QPalette::Window));
    setPalette(pal);
}
