#pragma once
// Answering the boxes a window opens, from inside a widget test.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

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
                if (QAbstractButton* answer = box->button(button))
                    answer->click();
                else
                    box->accept();
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

}  // namespace tarnix::testing
