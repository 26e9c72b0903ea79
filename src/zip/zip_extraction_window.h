#pragma once
// What zip extraction asks of the window: its boxes, the progress dialog,
// the message queue. The window layer implements it; tests record it.
// Every text is UTF-8; boxes are captioned with the application title.

#include <memory>
#include <string>

namespace tarnix {

class ZipExtractor;

// The progress dialog `TProgressForm` as the extraction drives it.
class ZipProgressView {
public:
    virtual ~ZipProgressView() = default;
    virtual void Show() = 0;  // not modal
    virtual void Hide() = 0;
    virtual void SetMax(int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    virtual void SetFileText(const std::string& text) = 0;
};

enum class ZipDamagedAnswer { Yes, No, Cancel };

class ZipExtractionWindow {
public:
    virtual ~ZipExtractionWindow() = default;
    // An information box with an OK button.
    virtual void ShowInformation(const std::string& message) = 0;
    // An error box with an OK button.
    virtual void ShowError(const std::string& message) = 0;
    // A plain text input box with an empty default; empty when cancelled.
    virtual std::string AskPassword(const std::string& prompt) = 0;
    // A question box with Yes, No and Cancel; No is the default button and
    // the answer of Escape and the close box.
    virtual ZipDamagedAnswer AskDamaged(const std::string& question) = 0;
    // The progress dialog, hidden, whose Cancel button cancels `owner`.
    virtual std::unique_ptr<ZipProgressView> CreateProgressForm(ZipExtractor& owner) = 0;
    // Handles every pending window event.
    virtual void ProcessMessages() = 0;
    // Blocks the window for `milliseconds`.
    virtual void Sleep(int milliseconds) = 0;
};

}  // namespace tarnix
