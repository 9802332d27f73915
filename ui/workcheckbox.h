#pragma once

#include <QCheckBox>
#include <QtGlobal>

/// A day's "Work Today?" box, holding the stored flag 0, 1 or 2 (unchecked, checked, greyed).
/// Qt numbers its states differently (PartiallyChecked is 1), hence the explicit mapping. The user
/// only ever ticks and unticks: a click on a greyed box ticks it.
class WorkCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit WorkCheckBox(QWidget *parent = nullptr);

    qint16 workFlag() const;
    /// Shows flag without counting it as the user's click; values outside 0 to 2 show unchecked.
    void setWorkFlag(qint16 flag);

protected:
    void nextCheckState() override;
};
