#include "explorer/explorer_report.h"

#include "common/errors.h"
#include "common/time_length_text.h"
#include "explorer/explorer_time_cells.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace tarnix {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr std::size_t kRuleLength = 142;

// Characters, not bytes: names are UTF-8.
std::size_t characterCount(const std::string& text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

// One blank, the text padded with blanks to `width`, one blank.
void appendField(std::string& line, const std::string& text, std::size_t width)
{
    line += ' ';
    line += text;
    const std::size_t length = characterCount(text);
    if (length < width)
        line.append(width - length, ' ');
    line += ' ';
}

void appendLine(std::string& report, const std::string& number, const std::string& name,
                const std::string& date, const std::string& size, const std::string& time,
                const std::string& lines)
{
    appendField(report, number, 4);
    appendField(report, name, 60);
    appendField(report, date, 20);
    appendField(report, size, 12);
    appendField(report, time, 17);
    appendField(report, lines, 17);
    report += kLineEnd;
}

InputOutputError writeError(const std::string& path, int error)
{
    return InputOutputError("Cannot create \"" + path + "\": " + std::strerror(error));
}

// A new file beside `path` that no one else uses; the process's umask applies.
int createTemporary(const std::string& path, std::string& temporary)
{
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + "." + std::to_string(seed()) + ".tmp";
        const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

bool writeAll(int file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(file, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

std::string MakeReportText(const std::vector<ReportRow>& rows)
{
    const std::string rule = std::string(kRuleLength, '-') + kLineEnd;
    std::string report;
    appendLine(report, "N ", "Name", "Date", "Size (bytes)", "Program time", "Lines");
    report += rule;
    std::vector<std::string> times;
    times.reserve(rows.size());
    int number = 0;
    for (const ReportRow& row : rows) {
        appendLine(report, std::to_string(++number), row.name, row.date, row.size, row.programTime,
                   row.lines);
        times.push_back(row.programTime);
    }
    report += rule;
    report += "Full Time " + formatTimeText(static_cast<double>(sumTimeCells(times))) + kLineEnd;
    return report;
}

std::string WriteReport(const std::string& folder, const std::vector<ReportRow>& rows)
{
    const std::string path = folder + "Report.txt";
    const std::string text = MakeReportText(rows);
    std::string temporary;
    const int file = createTemporary(path, temporary);
    if (file < 0)
        throw writeError(path, errno);
    int failure = 0;
    if (!writeAll(file, text))
        failure = errno != 0 ? errno : EIO;
    if (::close(file) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        throw writeError(path, failure);
    }
    return path;
}

}  // namespace tarnix
