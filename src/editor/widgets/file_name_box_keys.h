#pragma once
// `edFileNameKeyUp`: Enter in the program page's file-name box. Ctrl+Enter
// alone runs the box's file dialog; Enter with any other modifiers reads
// the named program's kind and header. Only the release of an Enter pressed
// in the box counts: a box that Enter closed on its press hands the release
// to the file-name box, which must not open the box again.

#include <QObject>

#include <functional>

class QLineEdit;

namespace tarnix {

class FileNameBoxKeys : public QObject {
    Q_OBJECT

public:
    FileNameBoxKeys(QLineEdit& box, std::function<void()> ctrlEnter, std::function<void()> enter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> ctrlEnter_;
    std::function<void()> enter_;
    bool enterPressed_ = false;
};

}  // namespace tarnix
