#include "interpretation/scan_progress.h"

#include <algorithm>

namespace tarnix {

ScanProgress::ScanProgress(ProgressSink* bar, long long fileSizeInBytes)
    : bar_(bar), maximum_(fileSizeInBytes / 128)
{
    if (bar_ == nullptr)
        return;
    bar_->setVisible(true);
    bar_->setMaximum(maximum_);
}

ScanProgress::~ScanProgress() { hide(); }

void ScanProgress::lineDone()
{
    ++lines_;
    if (bar_ == nullptr || lines_ % 100 != 0)
        return;
    // The bar holds a position beyond its maximum as the maximum; the model
    // clamps it, as not every bar does.
    const long long position = std::min(lines_, maximum_);
    bar_->setPosition(position);
    if (position == maximum_) {
        maximum_ *= 2;
        bar_->setMaximum(maximum_);
    }
}

void ScanProgress::hide()
{
    if (bar_ != nullptr && visible_)
        bar_->setVisible(false);
    visible_ = false;
}

}  // namespace tarnix
