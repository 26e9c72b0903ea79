// The help file and the running main window name the same menus, items,
// keys and buttons: the help's tables of the menu bar, the editor's pop-up
// menu and the Debug tool bar list exactly what the window has, and the
// bookmark range the help gives is the gutter menu's. Qt Test under
// xvfb-run -a.

#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <memory>

using namespace tarnix;

namespace {

using Rows = QList<QStringList>;

QString helpHtml()
{
    QFile file(TARNIX_HELP_FILE);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The rows of the help's table whose header row is `header`, without it:
// each cell as the reader sees its text, blanks collapsed.
Rows helpTable(const QStringList& header)
{
    QTextDocument document;
    document.setHtml(helpHtml());
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr)
            continue;
        Rows rows;
        for (int row = 0; row < table->rows(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columns(); ++column) {
                QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
                cell.setPosition(table->cellAt(row, column).lastCursorPosition().position(), QTextCursor::KeepAnchor);
                cells << cell.selectedText().simplified();
            }
            rows << cells;
        }
        if (!rows.isEmpty() && rows.takeFirst() == header)
            return rows;
    }
    return {};
}

// "caption | key" for every item of a cell listing several ("New, Open"
// with keys "Ctrl+N, Ctrl+O"); an empty key cell gives every item none.
QStringList itemsWithKeys(const QString& prefix, const QString& items, const QString& keys)
{
    const QStringList captions = items.split(", ");
    const QStringList shortcuts = keys.isEmpty() ? QStringList() : keys.split(", ");
    QStringList result;
    for (int i = 0; i < captions.size(); ++i)
        result << prefix + captions[i] + " | " + shortcuts.value(i);
    return result;
}

QString itemOf(const QString& prefix, const QAction* action)
{
    return prefix + action->text().simplified() + " | " + action->shortcut().toString();
}

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

}  // namespace

class HelpFileTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> window;

private slots:
    void init()
    {
        QVERIFY2(!helpHtml().isEmpty(), TARNIX_HELP_FILE);
        folder = std::make_unique<QTemporaryDir>();
        window = testing::startMainWindow(testing::appPathsIn(folder->path() + "/"));
    }

    void cleanup() { window.reset(); }

    void menuBarItemsAndKeys()
    {
        QStringList help;
        QString menu;
        for (const QStringList& row : helpTable({"Menu", "Item", "Key", "Does"})) {
            if (!row[0].isEmpty())
                menu = row[0];
            help << itemsWithKeys(menu + " > ", row[1], row[2]);
        }
        QVERIFY(!help.isEmpty());
        QStringList shown;
        for (QAction* title : window->menuBar()->actions())
            for (QAction* item : title->menu()->actions())
                if (!item->isSeparator())
                    shown << itemOf(title->text() + " > ", item);
        QCOMPARE(sorted(help), sorted(shown));
    }

    void editorPopupItemsAndKeys()
    {
        QStringList help;
        for (const QStringList& row : helpTable({"Item", "Key", "Does"}))
            help << itemsWithKeys("", row[0], row[1]);
        QVERIFY(!help.isEmpty());
        QStringList shown;
        for (QAction* item : window->findChild<QMenu*>("pmnEditRight")->actions())
            if (!item->isSeparator())
                shown << itemOf("", item);
        QCOMPARE(sorted(help), sorted(shown));
    }

    void debugToolBarButtons()
    {
        QStringList help;
        for (const QStringList& row : helpTable({"Button", "Does"}))
            help << row[0];
        QVERIFY(!help.isEmpty());
        QStringList shown;
        for (QToolButton* button : window->findChild<QToolBar*>("tbDebug")->findChildren<QToolButton*>())
            if (!button->toolTip().isEmpty())
                shown << button->toolTip();
        QCOMPARE(sorted(help), sorted(shown));
    }

    // The gutter's "Set BookMark" offers the bookmarks the help says it does.
    void bookmarkMenuRange()
    {
        QTextDocument document;
        document.setHtml(helpHtml());
        const QRegularExpression sentence("\"Set BookMark\" sets or clears bookmark 0 to (\\d)");
        const QRegularExpressionMatch match = sentence.match(document.toPlainText().simplified());
        QVERIFY(match.hasMatch());
        QStringList items;
        for (QMenu* menu : window->findChild<QMenu*>("pmnBookMark")->findChildren<QMenu*>())
            if (menu->title() == "Set BookMark")
                for (QAction* item : menu->actions())
                    items << item->text();
        QVERIFY(!items.isEmpty());
        QCOMPARE(items.first(), QString("0"));
        QCOMPARE(items.last(), match.captured(1));
        QCOMPARE(items.size(), match.captured(1).toInt() + 1);
    }
};

int main(int argc, char** argv)
{
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    HelpFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "help_file_test.moc"
