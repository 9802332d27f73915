#pragma once

#include "clickablelabel.h"

#include <QtGlobal>

#include <optional>

/// One element of a colour label pair: either the bordered swatch that holds an OLE colour and
/// shows it as its background, or the caption beside it. Both report clicks.
///
/// The swatch keeps the OLE value itself, so a system colour reads back as that system colour
/// and not as whatever RGB the current desktop palette happens to give it.
class ColorSwatch : public ClickableLabel
{
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    /// Makes this element a swatch showing oleColor.
    void setOleColor(qint32 oleColor);
    /// The swatch's OLE colour; nothing for a caption.
    qint32 oleColor() const;
    bool isSwatch() const { return m_oleColor.has_value(); }

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyColor();

    std::optional<qint32> m_oleColor;
};
