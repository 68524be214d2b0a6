#include "app/report_formats.h"

namespace orvane {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string DoubleQuotes(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    return out;
}

}  // namespace

std::string BuildTextReport(const ReportLines& lines) {
    std::string text;
    for (const ReportLine& line : lines) text += line.label + ": " + line.value + kLineEnd;
    return text;
}

std::string BuildCsvReport(const ReportLines& lines) {
    std::string text;
    for (const ReportLine& line : lines) {
        text += "\"" + DoubleQuotes(line.label) + "\",\"" + DoubleQuotes(line.value) + "\"" + kLineEnd;
    }
    return text;
}

std::string PadWithSpaces(int width, std::string_view text) {
    const int missing = width - static_cast<int>(text.size());
    std::string out(text);
    if (missing > 0) out.append(static_cast<std::size_t>(missing < 64 ? missing : 64), ' ');
    return out;
}

std::string BuildClipboardText(const ReportLines& lines) {
    std::string text;
    for (const ReportLine& line : lines) text += PadWithSpaces(20, line.label + ": ") + "\t" + line.value + kLineEnd;
    return text;
}

std::string EscapeHtml(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c; break;
        }
    }
    return out;
}

std::string BuildHtmlPage(const ReportLines& lines, std::string_view computerName, std::string_view dateTime,
                          std::string_view productPage, std::string_view site) {
    std::string page;
    auto line = [&](int indent, std::string_view text) {
        page.append(static_cast<std::size_t>(indent), ' ');
        page.append(text);
        page += kLineEnd;
    };
    line(0, "<html>");
    line(0, "<head>");
    line(0, "<meta http-equiv=\"Content-Language\" content=\"en-gb\">");
    line(0, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
    line(0, "<title>Orvane for PC:" + EscapeHtml(computerName) + "</title>");
    line(0, "</head>");
    line(0, "<body>");
    line(0, "<h1 align=\"center\"><span style=\"font-weight: 400\"><font face=\"Georgia\">Orvane</font><small>---" +
                EscapeHtml(dateTime) + "</small></span></h1>");
    line(0, "<hr>");
    line(0, "<br>");
    for (const ReportLine& row : lines) {
        line(0,
             "<table border=\"1\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\" bordercolorlight=\"#FFFFFF\" "
             "bordercolordark=\"#FFFFFF\">");
        line(8, "<tr>");
        line(16, "<td width=\"150\" bordercolor=\"#000000\" bgcolor=\"#A6CAF0\"><b>" + EscapeHtml(row.label) +
                     "</b></td>");
        line(16, "<td width=\"18\" bordercolorlight=\"#FFFFFF\" bordercolordark=\"#FFFFFF\"></td>");
        line(16, "<td bordercolorlight=\"#000000\" bordercolordark=\"#000000\" bgcolor=\"#FFFFE1\"><b>" +
                     EscapeHtml(row.value) + "</b></td>");
        line(16, "<br>");
        line(8, "</tr>");
        line(0, "</table>");
    }
    line(0, "<h2><a href=\"" + std::string(productPage) + "\">Orvane</a></h2>");
    line(0, "<a href=\"" + std::string(site) + "/\">" + std::string(site) + "</a>");
    line(0, "</body>");
    line(0, "</html>");
    return page;
}

}  // namespace orvane
