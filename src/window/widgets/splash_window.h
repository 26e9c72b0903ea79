#pragma once
// The start-up splash: a borderless picture on top of everything, allowed
// to close once its one-second timer has fired.

#include <QTimer>
#include <QWidget>

namespace tarnix {

class SplashForm : public QWidget {
    Q_OBJECT

public:
    explicit SplashForm(QWidget* parent = nullptr);

    // The close query: true once Timer1 has fired.
    bool mayClose() const { return !Timer1.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer Timer1;
};

}  // namespace tarnix
