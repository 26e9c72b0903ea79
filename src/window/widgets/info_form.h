#pragma once
// The floating Info panel: a small always-on-top tool window whose labels show
// the segment that ends at the editor's cursor line, or a picture when the
// editor holds another program than the view. Created once after the main
// window; closing only hides it, so it keeps its place and texts.

#include "view/segment_texts.h"
#include "settings/color.h"

#include <QWidget>

class QLabel;

namespace tarnix {

class TInfoForm : public QWidget {
    Q_OBJECT

public:
    explicit TInfoForm(QWidget* parent = nullptr);

    // Takes the background colour setting and places the panel over the right
    // part of the view: the main window's left and top and the widths of its
    // side panel `Panel6` and view panel `Panel10`.
    void FormCreate(TColor backColor, int mainLeft, int mainTop, int panel6Width, int panel10Width);

    // Follows the background colour setting.
    void setBackgroundColor(TColor backColor);

    // Fills the labels and shows or hides the picture, as the view's drawing
    // of the cursor segment asks.
    void showSegment(const SegmentTexts& texts);

protected:
    // Closing hides the panel and keeps it for the next showing.
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* lbBeginX;
    QLabel* lbBeginY;
    QLabel* lbBeginZ;
    QLabel* lbEndX;
    QLabel* lbEndY;
    QLabel* lbEndZ;
    QLabel* lbFeed;
    QLabel* lbLength;
    QLabel* img1;
};

}  // namespace tarnix
