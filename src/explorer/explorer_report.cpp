#include "explorer/explorer_report.h"

#include "common/atomic_file.h"
#include "common/time_length_text.h"
#include "explorer/explorer_time_cells.h"

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
    writeFileAtomically(path, MakeReportText(rows));
    return path;
}

}  // namespace tarnix
