#pragma once
// Clicking and reading the Explorer's file list in widget tests.

#include "support/message_boxes.h"

#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace tarnix::testing {

inline QPoint centreOf(QTreeWidget& list, int row)
{
    return list.visualItemRect(list.topLevelItem(row)).center();
}

inline void clickRow(QTreeWidget& list, int row, Qt::MouseButton button = Qt::LeftButton,
                     Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(list.viewport(), button, modifiers, centreOf(list, row));
}

inline QStringList captions(const QTreeWidget& list)
{
    QStringList out;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        out << list.topLevelItem(i)->text(0);
    return out;
}

}  // namespace tarnix::testing
