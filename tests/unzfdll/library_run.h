#pragma once
// Runs the unzip library as a caller would and records every callback as
// one line of text, so a test compares the whole conversation at once.

#include "test_archive.h"
#include "unzfdll/unz_dll.h"

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>

extern "C" std::int32_t UnzDllExec(TUnzDllCommand* command);

namespace tarnix::testing {

class LibraryRun {
public:
    // Answers a call; returns the callback's result. Leaves the record as it
    // came unless told otherwise.
    std::function<std::int32_t(TUnzCallbackRec&)> answer = [](TUnzCallbackRec&) { return 0; };
    bool junkFolderNames = true;

    // Extracts `archive` into `folder`.
    std::int32_t operator()(const std::filesystem::path& archive, const std::filesystem::path& folder)
    {
        std::filesystem::current_path(folder);
        const std::string path = archive.string();
        TUnzDllCommand command{};
        command.Caller = this;
        command.Version = UNZ_DLL_VERSION;
        command.Callback = &LibraryRun::callback;
        command.JunkFolderNames = junkFolderNames ? -1 : 0;
        command.ArchivePath = path.c_str();
        return UnzDllExec(&command);
    }

    // One line per call: code, Flag, Number and Text as the library sent
    // them; a run of progress calls shows as one line with their sum.
    std::string transcript()
    {
        flushProgress();
        return transcript_.str();
    }

private:
    static std::int32_t callback(TUnzCallbackRec* rec)
    {
        auto& run = *static_cast<LibraryRun*>(rec->Caller);
        run.log(*rec);
        return run.answer(*rec);
    }

    void log(const TUnzCallbackRec& rec)
    {
        if (rec.ActionCode == UNZ_ACTION_PROGRESS) {
            progress_ = std::max(progress_, 0LL) + rec.Number;
            return;
        }
        flushProgress();
        transcript_ << rec.ActionCode << ' ' << rec.Flag << ' ' << rec.Number;
        if (rec.Text[0])
            transcript_ << ' ' << rec.Text;
        transcript_ << '\n';
    }

    void flushProgress()
    {
        if (progress_ >= 0)
            transcript_ << "2 0 " << progress_ << '\n';
        progress_ = -1;
    }

    std::ostringstream transcript_;
    long long progress_ = -1;
};

}  // namespace tarnix::testing
