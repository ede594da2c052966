#include "formats/web_export.h"

#include <gtest/gtest.h>

#include "model/clue_text.h"
#include "test_support.h"

namespace {

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST(WebExport, NeedsTheWholeSolution) {
    Rooster2Doc doc;
    SetGrid(doc, {"HUIS", "A#.L"});
    EXPECT_NE(WebExportRefusal(doc.puzzle()), std::nullopt);
    Arrange(doc)->SetCell(2, 1, 'E');
    EXPECT_EQ(WebExportRefusal(doc.puzzle()), std::nullopt);
}

// The page stands alone, shows the puzzle's texts safely in UTF-8 and hides its answers.
TEST(WebExport, PageHidesTheAnswersAndEscapesTheTexts) {
    Rooster2Doc doc;
    SetGrid(doc, {"HOOFDSTAD", "#########", "ZEEMEEUWy"});
    Arrange(doc)->html.title = "Caf\xe9 <b>";
    Arrange(doc)->comment = "Regel 1\r\nRegel & 2";
    {
        PuzzleEdit arranged = Arrange(doc);
        for (WordInfo& word : arranged->words) word.clue = "Slot </script> " + FormatLabel(word);
    }
    const std::string page = WriteWebPage(doc.puzzle());
    EXPECT_EQ(page, WriteWebPage(doc.puzzle()));
    for (const char* answer : {"HOOFDSTAD", "ZEEMEEUW"})
        EXPECT_EQ(page.find(answer), std::string::npos);
    EXPECT_EQ(Count(page, "<title>Caf\xc3\xa9 &lt;b&gt;</title>"), 1u);
    EXPECT_EQ(Count(page, "Regel 1<br>\r\nRegel &amp; 2"), 1u);
    EXPECT_EQ(Count(page, "</script>"), 2u);  // the clues cannot end the data early
    EXPECT_NE(page.find("Slot \\u003c/script> H1 (9)"), std::string::npos);
    for (const char* outside : {"src=", "href=", "http:", "https:", "@import"})
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
}
