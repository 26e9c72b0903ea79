#pragma once
// Helpers of the Explorer's widget tests: answering the boxes the program
// opens, writing files, clicking list items.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace tarnix::testing {

// Answers the next message box with `button` as soon as it opens and
// remembers its text.
inline void answerNextMessageBox(QString* text, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, text, button] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                *text = box->text();
                box->button(button)->click();
                poll->deleteLater();
                return;
            }
    });
    poll->start();
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

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
