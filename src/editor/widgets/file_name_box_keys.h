#pragma once
// `edFileNameKeyUp`: Enter in the program page's file-name box. Ctrl+Enter
// alone runs the box's file dialog; Enter with any other modifiers reads
// the named program's kind and header.

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
};

}  // namespace tarnix
