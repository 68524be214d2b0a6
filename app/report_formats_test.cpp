#include "app/report_formats.h"

#include <gtest/gtest.h>

#include "core/text.h"

namespace orvane {
namespace {

ReportLines SampleRows() {
    ReportLines lines;
    for (int row = 1; row <= kSummaryRowCount; ++row) lines.push_back({kSummaryRows[row - 1].label, ""});
    lines[0].value = "Windows XP5.1 (Build 2600) Service Pack 2";
    lines[28].value = "Standard 56000 bps Modem | ";
    return lines;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
        out.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    EXPECT_EQ(start, text.size()) << "the text ends with CR LF";
    return out;
}

TEST(BuildCsvReport, WritesTwoQuotedFieldsPerLineAndDoublesInnerQuotes) {
    ReportLines lines = SampleRows();
    lines[6].value = "ATI \"Rage\" 128 | ";
    const std::vector<std::string> csv = Lines(BuildCsvReport(lines));
    ASSERT_EQ(csv.size(), 29u);
    EXPECT_EQ(csv[0], "\"Windows\",\"Windows XP5.1 (Build 2600) Service Pack 2\"");
    EXPECT_EQ(csv[1], "\"Internet Explorer\",\"\"");  // an empty value: two adjacent quotes
    EXPECT_EQ(csv[6], "\"Display Adapters\",\"ATI \"\"Rage\"\" 128 | \"");
    EXPECT_EQ(csv[28], "\"Modems\",\"Standard 56000 bps Modem | \"");
}

TEST(PadWithSpaces, PadsToTheWidthWithAtMostSixtyFourSpacesAndNeverCuts) {
    struct Case {
        int width;
        std::string text;
        std::string padded;
    };
    const Case cases[] = {
        {20, "Windows: ", "Windows:            "},
        {20, "Hard Disks - Free: ", "Hard Disks - Free:  "},
        {20, std::string(25, 'x'), std::string(25, 'x')},
        {100, "a", "a" + std::string(64, ' ')},
        {0, "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(PadWithSpaces(c.width, c.text), c.padded) << c.text;
}

TEST(BuildClipboardText, PutsEveryValueAfterATwentyCharacterColumnAndATab) {
    const std::vector<std::string> clip = Lines(BuildClipboardText(SampleRows()));
    ASSERT_EQ(clip.size(), 29u);
    EXPECT_EQ(clip[0], "Windows:            \tWindows XP5.1 (Build 2600) Service Pack 2");
    EXPECT_EQ(clip[1], "Internet Explorer:  \t");  // an empty value ends the line with the TAB
    for (const std::string& line : clip) EXPECT_EQ(line.find('\t'), 20u) << line;
}

TEST(BuildHtmlPage, HasTheDesignedTwoHundredAndFortySixLines) {
    ReportLines lines = SampleRows();
    lines[2].value = "<script>alert(1)</script> & \"more\"";
    const std::vector<std::string> page = Lines(
        BuildHtmlPage(lines, "PC01", "10/12/2026 11:40:19", "https://orvane.example/software/orvane.htm",
                      "https://orvane.example"));
    ASSERT_EQ(page.size(), 246u);
    EXPECT_EQ(page[0], "<html>");
    EXPECT_EQ(page[4], "<title>Orvane for PC:PC01</title>");
    EXPECT_EQ(page[7],
              "<h1 align=\"center\"><span style=\"font-weight: 400\"><font face=\"Georgia\">Orvane</font><small>---"
              "10/12/2026 11:40:19</small></span></h1>");
    // The first row's block: lines 11 to 18.
    EXPECT_EQ(page[11], "        <tr>");
    EXPECT_EQ(page[12], "                <td width=\"150\" bordercolor=\"#000000\" bgcolor=\"#A6CAF0\"><b>Windows</b></td>");
    EXPECT_EQ(page[14], "                <td bordercolorlight=\"#000000\" bordercolordark=\"#000000\" bgcolor=\"#FFFFE1\">"
                        "<b>Windows XP5.1 (Build 2600) Service Pack 2</b></td>");
    EXPECT_EQ(page[15], "                <br>");
    EXPECT_EQ(page[17], "</table>");
    // An empty value is an empty bold cell; markup in a value is shown, not run.
    EXPECT_NE(page[10 + 8 * 1 + 4].find("<b></b>"), std::string::npos);
    EXPECT_NE(page[10 + 8 * 2 + 4].find("<b>&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;more&quot;</b>"),
              std::string::npos);
    EXPECT_EQ(page[242], "<h2><a href=\"https://orvane.example/software/orvane.htm\">Orvane</a></h2>");
    EXPECT_EQ(page[243], "<a href=\"https://orvane.example/\">https://orvane.example</a>");
    EXPECT_EQ(page[245], "</html>");
}

TEST(BuildHtmlPage, EscapesTheComputerNameInTheTitle) {
    const std::vector<std::string> page = Lines(BuildHtmlPage(SampleRows(), "A&B<", "now", "p", "s"));
    EXPECT_EQ(page[4], "<title>Orvane for PC:A&amp;B&lt;</title>");
}

}  // namespace
}  // namespace orvane
