// The Info panel as the main window and the view's read-out use it: labels
// found by name, placement over the view, the background colour setting,
// closing and showing again, and the picture that stands in for the segment.

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

// The read-out labels and the fields that fill them.
const std::pair<const char*, std::string SegmentTexts::*> kSegmentLabels[] = {
    {"lbBeginX", &SegmentTexts::lbBeginX}, {"lbBeginY", &SegmentTexts::lbBeginY},
    {"lbBeginZ", &SegmentTexts::lbBeginZ}, {"lbFeed", &SegmentTexts::lbFeed},
    {"lbEndX", &SegmentTexts::lbEndX},     {"lbEndY", &SegmentTexts::lbEndY},
    {"lbEndZ", &SegmentTexts::lbEndZ},     {"lbLength", &SegmentTexts::lbLength}};

// Every field a text of its own, so a label filled from the wrong one shows.
SegmentTexts segment()
{
    SegmentTexts texts;
    for (const auto& [name, field] : kSegmentLabels)
        texts.*field = std::string(name) + " text";
    return texts;
}

}  // namespace

class InfoFormTest : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(form.windowType(), Qt::Tool);
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
        QCOMPARE(labelOf(form, QStringLiteral("lbBeginY"))->text(), QStringLiteral("lbBeginY text"));
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
        for (const auto& [name, field] : kSegmentLabels)
            QCOMPARE(labelOf(form, name)->text(), QString::fromStdString(segment().*field));
        QVERIFY(labelOf(form, QStringLiteral("img1"))->isHidden());

        form.showSegment(otherProgram);
        for (const auto& [name, field] : kSegmentLabels)
            QVERIFY2(labelOf(form, name)->text().isEmpty(), name);
        QVERIFY(labelOf(form, QStringLiteral("img1"))->isVisibleTo(&form));
    }
};

int runInfoFormTests(int argc, char** argv)
{
    InfoFormTest tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "info_form_test.moc"
