#pragma once
// The find and replace dialogs `FindDialog1` and `ReplaceDialog1`: find
// text, match case, whole word, and for the find dialog the direction.
// They stay open beside the editor and report each button.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tarnix {

class SearchDialog : public QDialog {
    Q_OBJECT

public:
    enum Kind { Find, Replace };
    SearchDialog(Kind kind, QWidget* parent);

    // Shows the dialog in front with the keyboard in its find text, so that
    // typing never lands in the program behind it.
    void present();
    QString findText() const;
    QString replaceText() const;
    bool matchCase() const;
    bool wholeWord() const;
    // The replace dialog has no direction: it always searches down.
    bool down() const;

signals:
    void findNext();
    void replaceOne();
    void replaceAll();

private:
    QLineEdit* FindText = nullptr;
    QLineEdit* ReplaceText = nullptr;
    QCheckBox* MatchCase = nullptr;
    QCheckBox* WholeWord = nullptr;
    QRadioButton* Down = nullptr;
};

}  // namespace tarnix
