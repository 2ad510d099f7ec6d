// The page's printed pages: SVG markup that keeps record texts as text, the
// desktop's geometry for texts and stones, and a print session that corrects
// the dialog's fields, stores the options and counts the pages.
#include <gtest/gtest.h>

#include <string>

#include "platform/Text.h"
#include "print/TZelStatus.h"
#include "resources/Messages.h"
#include "tests/print/MemoryStore.h"
#include "web/PrintSession.h"
#include "web/PrintSvgCanvas.h"

namespace moyo::web {
namespace {

// Every character is 10 units wide, every font 20 high, "0" included.
platform::Size FixedMeasure(const std::string&, int, unsigned, const std::string& utf8) {
  return {10 * static_cast<int>(utf8.size()), 20};
}

PrintSvgCanvas Canvas() {
  return PrintSvgCanvas(1000, 1000, 600, FixedMeasure);
}

TEST(PrintSvgCanvasTest, RecordTextsStayTextWithTheirBlanks) {
  PrintSvgCanvas canvas = Canvas();
  canvas.SetFont({});
  canvas.TextOut(0, 0, "<script>a&b</script> \"x\" 'y'\x01   z", platform::kBlack);
  const std::string svg = canvas.Markup();
  EXPECT_EQ(svg.find("<script"), std::string::npos);
  EXPECT_NE(svg.find("&lt;script&gt;a&amp;b&lt;/script&gt;"), std::string::npos);
  EXPECT_NE(svg.find("&quot;x&quot;"), std::string::npos);
  EXPECT_NE(svg.find("&apos;y&apos;"), std::string::npos);
  // The control character is a blank, and every blank a no-break space.
  EXPECT_NE(svg.find("\xC2\xA0\xC2\xA0\xC2\xA0\xC2\xA0z"), std::string::npos);
}

TEST(PrintSvgCanvasTest, TextsAreAnchoredByTheirMeasuredBoxAndNarrowedByStretch) {
  PrintSvgCanvas canvas = Canvas();
  platform::FontSpec font;
  font.face = platform::Utf8ToCp949("굴림체");
  font.pixelHeight = 40;
  font.style = platform::kBold;
  canvas.SetFont(font);
  EXPECT_EQ(canvas.TextExtent("123").width, 30);
  canvas.TextOut(500, 300, "ab", platform::kWhite, platform::TextAnchor::BottomRight);
  std::string svg = canvas.Markup();
  EXPECT_NE(svg.find("translate(480 280)"), std::string::npos) << svg;
  EXPECT_NE(svg.find("font-family=\"&apos;NanumGothicCoding&apos;, NanumGothic\""),
            std::string::npos);
  EXPECT_NE(svg.find("font-size=\"40\" font-weight=\"bold\" fill=\"#ffffff\""), std::string::npos);

  // A font narrowed to an average of 4 units, where "0" is 10 wide.
  font.averageWidth = 4;
  canvas.SetFont(font);
  EXPECT_EQ(canvas.TextExtent("123").width, 12);
  canvas.TextOut(100, 0, "12", platform::kBlack, platform::TextAnchor::TopCentre);
  svg = canvas.Markup();
  EXPECT_NE(svg.find("translate(96 0) scale(0.4 1)"), std::string::npos) << svg;
}

TEST(PrintSvgCanvasTest, StonesKeepTheirOutlineInsideTheirBoxAsPrintedOnTheDesktop) {
  PrintSvgCanvas canvas = Canvas();
  canvas.SetBrush({platform::kWhite, platform::BrushStyle::Solid});
  canvas.SetPen({platform::kBlack, 5, platform::PenStyle::Solid, true});
  canvas.Ellipse({4, 4, 180, 180});
  canvas.SetPen({platform::kBlack, 1, platform::PenStyle::Null, false});
  canvas.SetBrush({platform::kBlack, platform::BrushStyle::Solid});
  canvas.Ellipse({72, 72, 112, 112});
  canvas.FillRect({10, 20, 30, 25});
  canvas.FillRect({10, 20, 10, 25});  // empty: nothing
  const std::string svg = canvas.Markup();
  EXPECT_NE(svg.find("<ellipse cx=\"92\" cy=\"92\" rx=\"85.5\" ry=\"85.5\" fill=\"#ffffff\" "
                     "stroke=\"#000000\" stroke-width=\"5\"/>"),
            std::string::npos)
      << svg;
  EXPECT_NE(svg.find("<ellipse cx=\"92\" cy=\"92\" rx=\"20\" ry=\"20\" fill=\"#000000\"/>"),
            std::string::npos);
  EXPECT_NE(svg.find("<rect x=\"10\" y=\"20\" width=\"20\" height=\"5\" fill=\"#000000\"/>"),
            std::string::npos);
  EXPECT_EQ(svg.find("width=\"0\""), std::string::npos);
}

// A print of count moves on distinct points.
TPrintSource Source(int count) {
  TPrintSource source;
  for (int i = 0; i < count; ++i) {
    source.line.moves.Moves[source.line.moves.Count++] = {
        static_cast<std::uint8_t>(i % 19 + 1), static_cast<std::uint8_t>(i / 19 % 19 + 1)};
  }
  return source;
}

class PrintSessionTest : public ::testing::Test {
 protected:
  testing::MemoryStore::Values stored;
  TPrintOptions options;
  TZelStatus status{std::make_unique<testing::MemoryStore>(&stored), options};
};

TEST_F(PrintSessionTest, OpensWithTheStoredOptionsOnAnA4PageAndCorrectsFieldsAsTheyAreLeft) {
  PrintSession session(Source(120), status, FixedMeasure);
  EXPECT_EQ(session.Fields(), "500\n400\n185\n4958\n7017\n1\n120\n50\n2\n1\n");
  EXPECT_EQ(session.FieldLeft("edGrid", "abc\n400\n250\n4958\n7017\n1\n120\n50\n2\n1\n"),
            "500\n400\n218\n4958\n7017\n1\n120\n50\n2\n1\n");
  EXPECT_EQ(session.FieldLeft("edEPos", "500\n400\n185\n4958\n7017\n90\n60\n50\n2\n1\n"),
            "500\n400\n185\n4958\n7017\n90\n90\n50\n2\n1\n");
  EXPECT_EQ(session.FieldLeft("edDNum", "500\n400\n185\n4958\n7017\n1\n120\n0\n2\n1\n"),
            "500\n400\n185\n4958\n7017\n1\n120\n1\n2\n1\n");
  // Other names change nothing; a short or broken text selects no list item and no method.
  EXPECT_EQ(session.FieldLeft("edWidth", "1\n2\n3\n4\n5\n6\n7\n8\n9\n2\n"),
            "1\n2\n3\n4\n5\n6\n7\n8\n9\n2\n");
  EXPECT_EQ(session.FieldLeft("other", "1\n2"), "1\n2\n\n\n\n\n\n\n-1\n4\n");
}

TEST_F(PrintSessionTest, OkStoresTheOptionsAndDrawsThePagesTheyAskFor) {
  PrintSession session(Source(120), status, FixedMeasure);
  // Split, 50 moves a diagram, four a page: one page of three diagrams.
  ASSERT_TRUE(session.Print("300\n400\n185\n4958\n7017\n1\n120\n50\n2\n3\n", "stamp"));
  ASSERT_EQ(session.Pages().size(), 1u);
  const auto value = [&](const char* name) {
    return stored[{kSettingsKey, kPrintOptionSection, name}];
  };
  EXPECT_EQ(value("tmargin"), "300");
  EXPECT_EQ(value("method"), "3");
  const std::string& page = session.Pages()[0];
  EXPECT_EQ(page.rfind("<svg ", 0), 0u);
  EXPECT_NE(page.find(platform::Cp949ToUtf8("[" + Message(43))), std::string::npos);

  // One a page: three pages; a record without moves split gives none.
  ASSERT_TRUE(session.Print("300\n400\n185\n4958\n7017\n1\n120\n50\n0\n3\n", "stamp"));
  EXPECT_EQ(session.Pages().size(), 3u);
  PrintSession empty(Source(0), status, FixedMeasure);
  ASSERT_TRUE(empty.Print("500\n400\n185\n4958\n7017\n0\n0\n50\n2\n3\n", "stamp"));
  EXPECT_EQ(empty.Pages().size(), 0u);
}

}  // namespace
}  // namespace moyo::web
