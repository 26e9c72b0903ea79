#pragma once
// Answering the boxes a window opens, from inside a widget test.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

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

// Closes a message box that no test answers within `patience` and fails the
// test that is running: a forgotten box would otherwise wait for a click
// until the whole test command is killed. Install once, in a test main.
inline void installUnexpectedMessageBoxWatchdog(int patienceMs = 3000)
{
    struct Watched {
        QPointer<QMessageBox> box;
        QElapsedTimer shown;
    };
    auto* watchdog = new QTimer(QCoreApplication::instance());
    auto watched = std::make_shared<std::vector<Watched>>();
    QObject::connect(watchdog, &QTimer::timeout, [watched, patienceMs] {
        std::erase_if(*watched, [](const Watched& entry) { return !entry.box || !entry.box->isVisible(); });
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            auto entry = std::find_if(watched->begin(), watched->end(),
                                      [box](const Watched& candidate) { return candidate.box == box; });
            if (entry == watched->end()) {
                watched->push_back({box, {}});
                watched->back().shown.start();
            } else if (entry->shown.elapsed() >= patienceMs) {
                const QByteArray text = ("unexpected message box: " + box->text()).toUtf8();
                watched->erase(entry);
                box->done(QMessageBox::Cancel);
                QTest::qFail(text.constData(), __FILE__, __LINE__);
            }
        }
    });
    watchdog->start(100);
}

// Runs `answer` on the next modal dialog of type T as soon as it shows.
template <typename T, typename Answer>
void answerNext(Answer answer)
{
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            answer(dialog);
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
