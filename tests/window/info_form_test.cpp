// The Info panel as the main window and the view's read-out use it: labels
// found by name with their start captions, fonts and colours, placement over
// the view, the background colour setting, closing and showing again, and
// the picture that stands in for the segment.

#include "window/widgets/info_form.h"
#include "window/widgets/jpeg_image.h"

#include <QLabel>
#include <QTest>

using tarnix::SegmentTexts;
using tarnix::TInfoForm;

namespace {

QLabel* labelOf(const TInfoForm& form, const QString& name)
{
    return form.findChild<QLabel*>(name);
}

const QStringList kSegmentLabels = {QStringLiteral("lbBeginX"), QStringLiteral("lbBeginY"), QStringLiteral("lbBeginZ"),
                                    QStringLiteral("lbFeed"),   QStringLiteral("lbEndX"),   QStringLiteral("lbEndY"),
                                    QStringLiteral("lbEndZ"),   QStringLiteral("lbLength")};

SegmentTexts segment()
{
    SegmentTexts texts;
    texts.lbBeginX = "1.000";
    texts.lbBeginY = "-2.500";
    texts.lbBeginZ = "50.000";
    texts.lbFeed = "1200.0";
    texts.lbEndX = "4.000";
    texts.lbEndY = "1.500";
    texts.lbEndZ = "50.000";
    texts.lbLength = " 5.000 ";
    return texts;
}

}  // namespace

class InfoFormTest : public QObject {
    Q_OBJECT

private slots:
    void isSmallToolWindow()
    {
        TInfoForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Info"));
        QCOMPARE(form.windowType(), Qt::Tool);
        QCOMPARE(form.size(), QSize(306, 108));
    }

    // Expected colours written as red, green, blue from the $BBGGRR values.
    void startCaptionsAndColours_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour");
        const QColor x(0xEA, 0x66, 0x5B), y(0x00, 0xC4, 0x00), z(0x00, 0x80, 0xFF), silver(0xC0, 0xC0, 0xC0);
        QTest::newRow("Label1") << "X:" << x;
        QTest::newRow("lbBeginX") << "0" << x;
        QTest::newRow("lbEndX") << "0" << x;
        QTest::newRow("Label2") << "Y:" << y;
        QTest::newRow("lbBeginY") << "0" << y;
        QTest::newRow("lbEndY") << "0" << y;
        QTest::newRow("Label3") << "Z:" << z;
        QTest::newRow("lbBeginZ") << "0" << z;
        QTest::newRow("lbEndZ") << "0" << z;
        QTest::newRow("lbF") << "F:" << silver;
        QTest::newRow("lbFeed") << "0" << silver;
        QTest::newRow("Label6") << "Length:" << QColor(0x00, 0x80, 0x40);
    }

    void startCaptionsAndColours()
    {
        QFETCH(QString, caption);
        QFETCH(QColor, colour);
        TInfoForm form;
        const QLabel* label = labelOf(form, QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QCOMPARE(label->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(label->font().pointSize(), 12);
        QVERIFY(label->font().bold());
    }

    // The setting is $BBGGRR. The labels paint no background of their own,
    // so the panel shows the colour behind them too.
    void backgroundFollowsColourSetting()
    {
        TInfoForm form;
        form.setBackgroundColor(0x204080);
        const QImage shot = form.grab().toImage();
        const QRect endX = labelOf(form, QStringLiteral("lbEndX"))->geometry();
        QCOMPARE(shot.pixelColor(form.width() - 2, 1), QColor(0x80, 0x40, 0x20));
        QCOMPARE(shot.pixelColor(endX.right() - 2, endX.center().y()), QColor(0x80, 0x40, 0x20));
    }

    void formCreatePlacesPanelOverRightOfView()
    {
        TInfoForm form;
        form.FormCreate(0x102030, 100, 50, 200, 600);
        QCOMPARE(form.pos(), QPoint(100 + 200 + 600 - 306, 50 + 60));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(0x30, 0x20, 0x10));
    }

    void closingHidesAndShowingAgainKeepsPlaceAndTexts()
    {
        TInfoForm form;
        form.FormCreate(0, 300, 200, 150, 700);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint place = form.pos();
        form.showSegment(segment());

        form.close();
        QVERIFY(form.isHidden());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.pos(), place);
        QCOMPARE(labelOf(form, QStringLiteral("lbBeginY"))->text(), QStringLiteral("-2.500"));
    }

    void pictureIsDecodedAndHiddenAtStart()
    {
        const auto embedded = tarnix::JpegImage::fromFile(QStringLiteral(":/workbench/info_picture.jpg"));
        QCOMPARE(embedded.image().size(), QSize(65, 65));
        TInfoForm form;
        const QLabel* picture = labelOf(form, QStringLiteral("img1"));
        QCOMPARE(picture->pixmap().size(), QSize(65, 65));
        QVERIFY(picture->isHidden());
    }

    // The editor's program: the segment in its labels. Another program: empty
    // labels and the picture.
    void segmentOrPicture()
    {
        TInfoForm form;
        SegmentTexts otherProgram;
        otherProgram.showPicture = true;
        form.showSegment(otherProgram);
        form.showSegment(segment());
        const QStringList expected = {"1.000", "-2.500", "50.000", "1200.0", "4.000", "1.500", "50.000", " 5.000 "};
        for (int i = 0; i < kSegmentLabels.size(); ++i)
            QCOMPARE(labelOf(form, kSegmentLabels[i])->text(), expected[i]);
        QVERIFY(labelOf(form, QStringLiteral("img1"))->isHidden());

        form.showSegment(otherProgram);
        for (const QString& name : kSegmentLabels)
            QVERIFY2(labelOf(form, name)->text().isEmpty(), qPrintable(name));
        QVERIFY(labelOf(form, QStringLiteral("img1"))->isVisibleTo(&form));
    }
};

int runInfoFormTests(int argc, char** argv)
{
    InfoFormTest tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "info_form_test.moc"
