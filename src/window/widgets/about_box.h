#pragma once
// The About box: a picture, one line of text and the program's version.
// A click anywhere on it closes it.

#include <QDialog>

namespace tarnix {

class AboutForm : public QDialog {
    Q_OBJECT

public:
    explicit AboutForm(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tarnix
