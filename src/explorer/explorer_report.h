#pragma once
// "Report.txt": every program of the Explorer list with its date, size,
// program time and line count, and the total time. Lines end with CR LF.

#include <string>
#include <vector>

namespace tarnix {

// One list item as the report writes it (the description is left out).
struct ReportRow {
    std::string name;         // the item caption
    std::string date;         // "Date"
    std::string size;         // "Size"
    std::string programTime;  // "Program Time"
    std::string lines;        // "Lines"
};

// The report's text: header, a rule of 142 "-", one line per row in order,
// another rule and "Full Time " with the sum of the rows' time cells. Every
// field is padded to its width and never cut, so long names widen their line.
std::string MakeReportText(const std::vector<ReportRow>& rows);

// Writes the report as `folder` + "Report.txt" (the folder ends in "/"),
// replacing an earlier one only once the new one is complete. Returns the
// report's path. Throws InputOutputError when it cannot be written.
std::string WriteReport(const std::string& folder, const std::vector<ReportRow>& rows);

}  // namespace tarnix
