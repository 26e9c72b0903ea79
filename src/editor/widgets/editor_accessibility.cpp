#include "editor/widgets/editor_accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <Qsci/qsciscintilla.h>

namespace tarnix {
namespace {

class ListenerWatch : public QAccessible::ActivationObserver {
public:
    ListenerWatch() : listening_(QAccessible::isActive()) { QAccessible::installActivationObserver(this); }

    bool listening() const { return listening_ || QAccessible::isActive(); }

    // The editors' accessibles Qt keeps make way for the ones that fit,
    // made at once: QScintilla's follows the caret only while it exists.
    void accessibilityActiveChanged(bool active) override
    {
        listening_ = active;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (qobject_cast<QsciScintilla*>(widget) == nullptr)
                continue;
            if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
            QAccessible::queryAccessibleInterface(widget);
        }
    }

private:
    bool listening_;
};

ListenerWatch& listenerWatch()
{
    static ListenerWatch watch;
    return watch;
}

// Qt asks the factories for the most derived class first: QScintilla's
// answers for "QsciScintillaBase", so this one comes before it.
QAccessibleInterface* plainEditorWhileUnheard(const QString& className, QObject* object)
{
    if (className != QLatin1String("QsciScintilla") || !object->isWidgetType() || listenerWatch().listening())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

}  // namespace

void giveEditorTextOnlyToListeners()
{
    static const bool installed = [] {
        listenerWatch();
        QAccessible::installFactory(plainEditorWhileUnheard);
        return true;
    }();
    (void)installed;
}

}  // namespace tarnix
