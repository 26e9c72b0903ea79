#pragma once
// "Select Range": the marked line range typed or picked. Each change of an
// edit sets the range, selects it in the editor and redraws at once; while
// the dialog is shown, picks in the view go to the edit (or edits) whose
// flag is set. Not modal, stays on top, hidden on close.

#include <QDialog>

#include <functional>
#include <optional>
#include <utility>

class QLineEdit;
class QPushButton;

namespace tarnix {

class TfrmSelRange : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSelRange(QWidget* parent);

    // The marked range now (FSelBeginLine, FSelEndLine).
    std::function<std::pair<int, int>()> currentRange;
    // Marks b..e, selects it in the editor and redraws.
    std::function<void(int b, int e)> setRange;
    // Draws the view again.
    std::function<void()> RenderScene;

    // Picks go to edBegin while this is set, to edEnd while the end flag is.
    bool beginFlag() const { return beginFlag_; }
    bool endFlag() const { return endFlag_; }
    void setBeginFlag() { beginFlag_ = true; }

    QLineEdit* edBegin = nullptr;
    QLineEdit* edEnd = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void edBeginClick();
    void edEndClick();
    void edBeginChange();
    void edEndChange();
    void Button1Click();
    void Button2Click();
    // The number in `edit`, or nothing after its message was shown.
    std::optional<int> lineOf(QLineEdit* edit);
    // Shows `message`, then gives the keyboard back to `edit`.
    void showError(const char* message, QLineEdit* edit);

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    bool beginFlag_ = false;
    bool endFlag_ = false;
};

}  // namespace tarnix
