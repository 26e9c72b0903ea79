#include "editor/widgets/qt_editor_ports.h"

#include "common/widgets/in_front.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <Qsci/qsciscintilla.h>

namespace tarnix {
namespace {

// "caption|pattern|caption|pattern" as Qt's "caption (pattern)" list; the
// list's position + 1 is the filter index.
QStringList qtFilters(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return filters;
}

QsciScintilla::EolMode eolModeOf(const std::string& text)
{
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string::npos || text[end] == '\n')
        return QsciScintilla::EolUnix;
    return end + 1 < text.size() && text[end + 1] == '\n' ? QsciScintilla::EolWindows : QsciScintilla::EolMac;
}

}  // namespace

// The text goes in and out with its length, never as a C string: a program
// may hold NUL bytes, and every byte after them must survive.
std::string QtEditorBuffer::text() const
{
    const auto length = static_cast<std::size_t>(editor_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    const auto* bytes = static_cast<const char*>(editor_.SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return std::string(bytes, length);
}

void QtEditorBuffer::replaceAll(const std::string& utf8)
{
    const bool readOnly = editor_.isReadOnly();
    editor_.setReadOnly(false);
    editor_.SendScintilla(QsciScintillaBase::SCI_CLEARALL);
    editor_.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, utf8.size(), utf8.data());
    editor_.setReadOnly(readOnly);
    editor_.markerDeleteAll();
    editor_.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    editor_.setModified(false);
}

void QtEditorBuffer::load(const std::string& utf8)
{
    // New lines typed into the program end as its own lines do.
    editor_.setEolMode(eolModeOf(utf8));
    replaceAll(utf8);
}

void QtEditorBuffer::showLoading(const std::string& line)
{
    replaceAll(line);
    editor_.repaint();
}

void QtEditorBuffer::clearLines()
{
    editor_.clear();
}

bool QtEditorBuffer::isModified() const
{
    return editor_.isModified();
}

void QtEditorBuffer::setModified(bool modified)
{
    editor_.setModified(modified);
}

std::string LineEditNameBox::fileName() const
{
    return box_.text().toStdString();
}

void LineEditNameBox::setFileName(const std::string& name)
{
    box_.setText(QString::fromStdString(name));
}

int QtEditorDialogs::run(QDialog& dialog) const
{
    return inFront_ ? execInFront(dialog) : dialog.exec();
}

bool QtEditorDialogs::confirm(const std::string& question)
{
    QMessageBox box(QMessageBox::Question, "Confirm", QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, owner_());
    return run(box) == QMessageBox::Yes;
}

std::optional<SaveDialogAnswer> QtEditorDialogs::saveDialog(const SaveDialogSetup& setup)
{
    QFileDialog dialog(owner_(), "Save As", QString::fromStdString(setup.folder));
    dialog.setObjectName("SaveDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = qtFilters(setup.filter);
    dialog.setNameFilters(filters);
    if (setup.filterIndex >= 1 && setup.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[setup.filterIndex - 1]);
    if (!setup.fileName.empty())
        dialog.selectFile(QString::fromStdString(setup.fileName));
    if (run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveDialogAnswer{dialog.selectedFiles().first().toStdString(),
                            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

std::optional<std::string> QtEditorDialogs::openDialog(const std::string& folder, const std::string& filter)
{
    QFileDialog dialog(owner_(), "Open", QString::fromStdString(folder));
    dialog.setObjectName("OpenDialog");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFilters(filter));
    if (run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace tarnix
