#include "workcheckbox.h"

#include "schedule.h"

WorkCheckBox::WorkCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    setTristate(true);
}

qint16 WorkCheckBox::workFlag() const
{
    switch (checkState()) {
    case Qt::Checked:
        return WorkFlag::Checked;
    case Qt::PartiallyChecked:
        return WorkFlag::Greyed;
    case Qt::Unchecked:
        break;
    }
    return WorkFlag::Unchecked;
}

void WorkCheckBox::setWorkFlag(qint16 flag)
{
    switch (flag) {
    case WorkFlag::Checked:
        setCheckState(Qt::Checked);
        break;
    case WorkFlag::Greyed:
        setCheckState(Qt::PartiallyChecked);
        break;
    default:
        setCheckState(Qt::Unchecked);
        break;
    }
}

void WorkCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
