#include "zip/zip_dll_callback.h"

#include "zip/zip_extractor.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

namespace tarnix {
namespace {

// One set per process, reset by the byte total only; the file name stays
// until the next file begins.
struct CallbackCounters {
    std::string CallbackFileName;
    int CallbackTotalFiles = 0;
    int CallbackTotalBytes = 0;
    long long CallbackBytesDone = 0;  // beyond 2 GiB the bar just stays full
    int CallbackSkipped = 0;
};

CallbackCounters counters;

std::string recordText(const TUnzCallbackRec& rec)
{
    return std::string(rec.Text, ::strnlen(rec.Text, sizeof rec.Text));
}

void askPassword(ZipExtractionWindow& window, ZipProgressView* dialog, TUnzCallbackRec& rec)
{
    if (dialog)
        dialog->Hide();
    const std::string password = window.AskPassword("A new password is required for \"" + recordText(rec) + "\"");
    if (dialog)
        dialog->Show();
    if (password.empty()) {
        rec.Flag = 0;
        rec.Number = 0;
        return;
    }
    const std::size_t length = std::min(password.size(), sizeof rec.Text - 1);
    std::memcpy(rec.Text, password.data(), length);
    rec.Text[length] = '\0';
    rec.Flag = 1;
    if (rec.Number > 0)
        --rec.Number;
}

void askAboutDamage(ZipExtractor& zip, ZipProgressView* dialog, TUnzCallbackRec& rec)
{
    if (dialog)
        dialog->Hide();
    const ZipDamagedAnswer answer = zip.Window().AskDamaged(
        "\"" + recordText(rec) + "\" may be corrupted (CRC error).\nExtract this file anyway? ...");
    if (answer == ZipDamagedAnswer::Cancel)
        zip.Cancelled = true;
    else
        rec.Flag = answer == ZipDamagedAnswer::Yes ? 1 : 0;
    if (dialog && !zip.Cancelled)
        dialog->Show();
}

void handleAction(ZipExtractor& zip, ZipProgressView* dialog, TUnzCallbackRec& rec)
{
    switch (rec.ActionCode) {
    case UNZ_ACTION_FILE_BEGIN:
        counters.CallbackFileName = recordText(rec);
        if (zip.OnZEDBeginFileEvent)
            zip.OnZEDBeginFileEvent(zip, counters.CallbackFileName, rec.Number, counters.CallbackTotalFiles,
                                    counters.CallbackTotalBytes);
        if (dialog)
            dialog->SetFileText(counters.CallbackFileName);
        break;
    case UNZ_ACTION_PROGRESS:
        counters.CallbackBytesDone += rec.Number;
        if (zip.OnZEDProgressEvent)
            zip.OnZEDProgressEvent(zip, counters.CallbackFileName, rec.Number, counters.CallbackTotalBytes);
        if (dialog)
            dialog->SetPosition(static_cast<int>(std::min<long long>(counters.CallbackBytesDone, INT_MAX)));
        break;
    case UNZ_ACTION_END_BATCH:
        if (zip.OnZEDEndBatchEvent)
            zip.OnZEDEndBatchEvent(zip, counters.CallbackSkipped, counters.CallbackTotalFiles,
                                   counters.CallbackTotalBytes);
        if (dialog)
            dialog->Hide();
        break;
    case UNZ_ACTION_TOTAL_FILES:
        counters.CallbackTotalFiles = rec.Number;
        break;
    case UNZ_ACTION_TOTAL_BYTES:
        counters.CallbackTotalBytes = rec.Number;
        counters.CallbackBytesDone = 0;
        counters.CallbackSkipped = 0;
        if (dialog)
            dialog->SetMax(counters.CallbackTotalBytes);
        break;
    case UNZ_ACTION_PASSWORD:
        askPassword(zip.Window(), dialog, rec);
        break;
    case UNZ_ACTION_CRC_ERROR:
        askAboutDamage(zip, dialog, rec);
        break;
    case UNZ_ACTION_FILE_EXISTS:
        // Replace a file older than the archived one, keep the rest.
        rec.Number = rec.Flag & 1;
        break;
    case UNZ_ACTION_SKIPPED:
        ++counters.CallbackSkipped;
        break;
    default:  // 4, 7 and unknown codes
        break;
    }
}

}  // namespace

std::int32_t ZipDllCallback(TUnzCallbackRec* rec)
{
    ZipExtractor& zip = *static_cast<ZipExtractor*>(rec->Caller);
    std::int32_t result = UNZ_CALLBACK_STOP;
    try {
        // The file system refused the file: the Explorer says why.
        if (rec->ActionCode == UNZ_ACTION_SKIPPED && rec->Number > 0)
            zip.failedEntries_.push_back({recordText(*rec), rec->Number});
        if (!zip.Cancelled)
            handleAction(zip, zip.ShowProgressDialog ? zip.ProgressForm() : nullptr, *rec);
        result = zip.Cancelled ? UNZ_CALLBACK_STOP : 0;
        // A Cancel click handled here stops the library at its next call.
        zip.Window().ProcessMessages();
    } catch (...) {
        // Nothing may unwind through the library: stop it, and Extract
        // raises this once the library has returned.
        zip.callbackFailure_ = std::current_exception();
        zip.Cancelled = true;
        result = UNZ_CALLBACK_STOP;
    }
    return result;
}

}  // namespace tarnix
