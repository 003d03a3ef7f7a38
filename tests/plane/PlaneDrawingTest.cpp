// The empty plane: scale, axes, arrowheads, names, graduations and grid, and the ranges that
// cannot be drawn.
#include <chrono>
#include <cmath>

#include "PlaneTestSupport.h"
#include "RunTimeError.h"

namespace vl::planetest {
namespace {

// The inner drawing area is 627 pixels square (9465 twips less a two-pixel border each side).
constexpr double kPixels = 627;

class PlaneDrawingTest : public ProgramTest {};

TEST_F(PlaneDrawingTest, DefaultRangeSetsFieldsAndScale) {
  TopicWindow& w = Open("Form1");
  EXPECT_EQ(w.PlotXMin, -10.0f);
  EXPECT_EQ(w.PlotXMax, 10.0f);
  EXPECT_EQ(w.PlotYMin, -10.0f);
  EXPECT_EQ(w.PlotYMax, 10.0f);
  EXPECT_FLOAT_EQ(w.PlotMarginX, 0.4f);
  EXPECT_FLOAT_EQ(w.UnitsPerPixelX, static_cast<float>(21.6 / kPixels));
  EXPECT_FLOAT_EQ(w.UnitsPerPixelY, static_cast<float>(21.6 / kPixels));
  const DrawingArea& pic = w.Picture1();
  EXPECT_FLOAT_EQ(pic.ScaleLeft(), -10.8f);
  EXPECT_FLOAT_EQ(pic.ScaleTop(), 10.8f);
  EXPECT_FLOAT_EQ(pic.ScaleWidth(), 21.6f);
  EXPECT_FLOAT_EQ(pic.ScaleHeight(), -21.6f);
  // Afterwards the pen is thin, solid and black, the font the numbers' one.
  EXPECT_EQ(pic.drawWidth, 1);
  EXPECT_EQ(pic.drawStyle, PenStyle::Solid);
  EXPECT_EQ(pic.foreColor, 0);
  EXPECT_EQ(pic.font, (Font{"MS Serif", 6, true}));
  EXPECT_TRUE(app.Messages().empty());
}

TEST_F(PlaneDrawingTest, AxesRunOneMarginPastTheRange) {
  const DrawingArea& pic = Open("Form2").Picture1();
  const auto lines = Lines(pic);
  ASSERT_GE(lines.size(), 2u);
  const DrawEntry& xAxis = lines[0];
  const DrawEntry& yAxis = lines[1];
  EXPECT_FLOAT_EQ(xAxis.x1, -10.4f);
  EXPECT_FLOAT_EQ(xAxis.x2, 10.4f);
  EXPECT_EQ(xAxis.y1, 0);
  EXPECT_EQ(xAxis.y2, 0);
  EXPECT_FLOAT_EQ(yAxis.y1, -10.4f);
  EXPECT_FLOAT_EQ(yAxis.y2, 10.4f);
  EXPECT_EQ(yAxis.x1, 0);
  for (const DrawEntry* axis : {&xAxis, &yAxis}) {
    EXPECT_EQ(axis->width, 2);
    EXPECT_EQ(axis->colour, 0);
  }
}

TEST_F(PlaneDrawingTest, TicksAndNumbersSitAtTheirPixelOffsets) {
  const DrawingArea& pic = Open("Form3").Picture1();
  const auto xTicks = XTicks(pic);
  const auto yTicks = YTicks(pic);
  ASSERT_EQ(xTicks.size(), 20u);
  ASSERT_EQ(yTicks.size(), 20u);
  const DrawEntry xAxis = Lines(pic)[0];
  const DrawEntry yAxis = Lines(pic)[1];
  for (std::size_t k = 0; k < 20; ++k) {
    const int i = k < 10 ? static_cast<int>(k) - 10 : static_cast<int>(k) - 9;  // -10..-1, 1..10
    EXPECT_EQ(xTicks[k].x1, static_cast<float>(i));
    EXPECT_EQ(yTicks[k].y1, static_cast<float>(i));
    // Four pixels long, centred on the axis.
    EXPECT_NEAR(xTicks[k].py2 - xTicks[k].py1, 4, 1e-3);
    EXPECT_NEAR(yTicks[k].px2 - yTicks[k].px1, 4, 1e-3);
  }

  std::vector<DrawEntry> xNumbers, yNumbers;
  for (const DrawEntry& t : Texts(pic)) {
    if (t.font.name != "MS Serif") continue;
    EXPECT_EQ(t.font.size, 6);
    EXPECT_TRUE(t.font.bold);
    (std::fabs(t.px1 - yAxis.px1 + 22) < 1e-3 ? yNumbers : xNumbers).push_back(t);
  }
  ASSERT_EQ(xNumbers.size(), 20u);
  ASSERT_EQ(yNumbers.size(), 20u);
  for (std::size_t k = 0; k < 20; ++k) {
    const int i = k < 10 ? static_cast<int>(k) - 10 : static_cast<int>(k) - 9;
    std::string expected = i < 0 ? "" : " ";
    expected += std::to_string(i);
    EXPECT_EQ(xNumbers[k].text, expected);
    EXPECT_NEAR(xNumbers[k].px1, xTicks[k].px1 - 8, 1e-3);
    EXPECT_NEAR(xNumbers[k].py1, xAxis.py1 + 8, 1e-3);
    EXPECT_EQ(yNumbers[k].text, expected);
    EXPECT_NEAR(yNumbers[k].py1, yTicks[k].py1 - 5, 1e-3);
  }
}

TEST_F(PlaneDrawingTest, AxisNamesAndArrowheads) {
  TopicWindow& w = Open("Form4");
  const DrawingArea& pic = w.Picture1();
  const DrawEntry xAxis = Lines(pic)[0];
  const DrawEntry yAxis = Lines(pic)[1];
  const auto texts = Texts(pic);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "x");
  EXPECT_NEAR(texts[0].px1, xAxis.px2 + 2, 1e-3);
  EXPECT_NEAR(texts[0].py1, xAxis.py2 + 5, 1e-3);
  EXPECT_EQ(texts[1].text, "y");
  EXPECT_NEAR(texts[1].px1, yAxis.px2 - 12, 1e-3);
  EXPECT_NEAR(texts[1].py1, yAxis.py2 - 9, 1e-3);
  // Just after load the names use the area's initial size; from the next drawing on, the
  // numbers' 6 points carry over.
  EXPECT_EQ(texts[0].font, (Font{"MS Sans Serif", 8.25, true}));
  Reactivate("Form4");
  EXPECT_EQ(Texts(w.Picture1())[0].font, (Font{"MS Sans Serif", 6, true}));

  // Arrowheads: top-left 3 pixels left of the axis end and 4 above the axis for SetaH;
  // 4 pixels left of the y axis at the axis end for SetaV.
  const Control& h = w["SetaH"];
  const Control& v = w["SetaV"];
  EXPECT_TRUE(h.visible);
  EXPECT_TRUE(v.visible);
  EXPECT_EQ(h.container, "Picture1");
  EXPECT_EQ(h.width, 240);
  EXPECT_NEAR(h.left / 15.0, xAxis.px2 - 3, 0.05);
  EXPECT_NEAR(h.top / 15.0, xAxis.py2 - 4, 0.05);
  EXPECT_NEAR(v.left / 15.0, yAxis.px2 - 4, 0.05);
  EXPECT_NEAR(v.top / 15.0, yAxis.py2, 0.05);
}

TEST_F(PlaneDrawingTest, GridTakesEffectAtTheNextDrawingAndAvoidsTheAxes) {
  TopicWindow& w = Open("Form6");
  EXPECT_TRUE(GridLines(w.Picture1()).empty());
  ASSERT_TRUE(app.Tick("Form6", "DesenharGrelha", true));
  EXPECT_TRUE(GridLines(w.Picture1()).empty());
  Reactivate("Form6");
  const auto grid = GridLines(w.Picture1());
  int vertical = 0, horizontal = 0;
  for (const DrawEntry& g : grid) {
    EXPECT_EQ(g.width, 1);
    if (g.x1 == g.x2) {
      ++vertical;
      EXPECT_NE(g.x1, 0);
      EXPECT_FLOAT_EQ(g.y1, 10.4f);
      EXPECT_FLOAT_EQ(g.y2, -10.4f);
    } else {
      ++horizontal;
      EXPECT_NE(g.y1, 0);
      EXPECT_FLOAT_EQ(g.x1, -10.4f);
      EXPECT_FLOAT_EQ(g.x2, 10.4f);
    }
  }
  EXPECT_EQ(vertical, 20);
  EXPECT_EQ(horizontal, 20);
  EXPECT_EQ(w.Picture1().foreColor, 8);
}

TEST_F(PlaneDrawingTest, FractionalLowerEndMovesTheGridBetweenTicks) {
  TopicWindow& w = Open("Form1");
  Box("Form1", "Xmin") = "-10,5";
  app.Tick("Form1", "DesenharGrelha", true);
  Reactivate("Form1");
  const auto ticks = XTicks(w.Picture1());
  ASSERT_EQ(ticks.size(), 21u);  // -11 .. 10 without 0
  EXPECT_EQ(ticks.front().x1, -11.0f);
  EXPECT_EQ(ticks.back().x1, 10.0f);
  std::vector<float> vertical;
  for (const DrawEntry& g : GridLines(w.Picture1()))
    if (g.x1 == g.x2) vertical.push_back(g.x1);
  ASSERT_EQ(vertical.size(), 21u);
  for (std::size_t k = 0; k < vertical.size(); ++k) EXPECT_EQ(vertical[k], -10.5f + static_cast<float>(k));
}

TEST_F(PlaneDrawingTest, WidthOfFiftyIsGraduatedAndFiftyOneIsNot) {
  TopicWindow& w = Open("Form7");
  SetRange("Form7", "-25", "25", "-10", "10");
  Reactivate("Form7");
  EXPECT_EQ(XTicks(w.Picture1()).size(), 50u);
  std::vector<std::string> numbers;
  for (const DrawEntry& t : Texts(w.Picture1()))
    if (t.font.name == "MS Serif") numbers.push_back(t.text);
  ASSERT_EQ(numbers.size(), 70u);  // -25 .. 25 along x, -10 .. 10 along y, never 0
  EXPECT_EQ(numbers.front(), "-25");
  EXPECT_EQ(numbers[49], " 25");

  Box("Form7", "Xmax") = "26";
  app.Tick("Form7", "DesenharGrelha", true);
  Reactivate("Form7");
  const DrawingArea& pic = w.Picture1();
  EXPECT_EQ(Lines(pic).size(), 2u);  // the two axes only
  const auto texts = Texts(pic);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].font.name, "MS Sans Serif");
  EXPECT_TRUE(w["SetaH"].visible);
  // Only the lines 3 window says why.
  EXPECT_TRUE(app.Messages().empty());
}

TEST_F(PlaneDrawingTest, LinesThreeWindowExplainsAMissingGraduationAtEveryDrawing) {
  TopicWindow& w = Open("Form5");
  EXPECT_TRUE(app.TakeMessages().empty());
  SetRange("Form5", "-25", "26", "-10", "10");
  Reactivate("Form5");
  auto messages = app.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);  // closing the box does not activate the window again
  EXPECT_EQ(messages[0].text,
            "Não se graduam os eixos nem se desenha a grelha porque os valores e linhas ficavam sobrepostos.");
  EXPECT_EQ(messages[0].title, "Vantre lomira");
  EXPECT_EQ(messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(Lines(w.Picture1()).size(), 2u);

  // A problem's drawing shows it once more, and only once.
  app.Dispatch([&] { w.DrawPlane(); });
  EXPECT_EQ(app.TakeMessages().size(), 1u);

  Box("Form5", "Xmax") = "25";
  Reactivate("Form5");
  EXPECT_TRUE(app.TakeMessages().empty());
}

TEST_F(PlaneDrawingTest, ReversedXRangeDrawsAxesButNoXGraduation) {
  TopicWindow& w = Open("Form8");
  SetRange("Form8", "10", "-10", "-10", "10");
  app.Tick("Form8", "DesenharGrelha", true);
  Reactivate("Form8");
  const DrawingArea& pic = w.Picture1();
  // The corners are Xmin - 2 margins and Xmax + 2 margins, so the scale runs from 9.2 on the
  // left to -9.2 on the right.
  EXPECT_LT(pic.ScaleWidth(), 0);
  EXPECT_FLOAT_EQ(pic.ScaleLeft(), 9.2f);
  EXPECT_FLOAT_EQ(pic.ScaleWidth(), -18.4f);
  EXPECT_TRUE(XTicks(pic).empty());
  EXPECT_EQ(YTicks(pic).size(), 20u);
  for (const DrawEntry& g : GridLines(pic)) EXPECT_NE(g.x1, g.x2) << "no vertical grid line";
  EXPECT_EQ(GridLines(pic).size(), 20u);
  EXPECT_TRUE(w["SetaH"].visible);
}

TEST_F(PlaneDrawingTest, WideYRangeIsGraduatedWhenXIsNarrow) {
  TopicWindow& w = Open("Form9");
  SetRange("Form9", "-10", "10", "-40", "40");
  Reactivate("Form9");
  EXPECT_EQ(XTicks(w.Picture1()).size(), 20u);
  const auto yTicks = YTicks(w.Picture1());
  ASSERT_EQ(yTicks.size(), 80u);
  EXPECT_EQ(yTicks.front().y1, -40.0f);
  EXPECT_EQ(yTicks.back().y1, 40.0f);
  EXPECT_FLOAT_EQ(w.UnitsPerPixelY, static_cast<float>(86.4 / kPixels));
}

TEST_F(PlaneDrawingTest, UnitsPerPixelIsWorkedOutInSinglePrecisionThroughout) {
  // Range -30..30: margin 1.2f, corners ±32.4000015f, extent 64.8000031f, over 627 pixels.
  // Worked in doubles from the same corners' sums the last bit differs (0.103349283f).
  TopicWindow& w = Open("Form2");
  SetRange("Form2", "-30", "30", "-30", "30");
  Reactivate("Form2");
  EXPECT_EQ(w.UnitsPerPixelX, 0.10334929078817368f);
  EXPECT_EQ(w.UnitsPerPixelY, 0.10334929078817368f);
}

TEST_F(PlaneDrawingTest, AxisWithMoreThanTwoHundredWholePositionsIsLeftPlain) {
  TopicWindow& w = Open("Form1");
  app.Tick("Form1", "DesenharGrelha", true);
  SetRange("Form1", "-10", "10", "-100", "99");  // 200 positions: graduated
  Reactivate("Form1");
  EXPECT_EQ(YTicks(w.Picture1()).size(), 199u);

  SetRange("Form1", "-10", "10", "-100", "100");  // 201 positions: plain
  Reactivate("Form1");
  EXPECT_TRUE(YTicks(w.Picture1()).empty());
  EXPECT_EQ(XTicks(w.Picture1()).size(), 20u);
  for (const DrawEntry& g : GridLines(w.Picture1())) EXPECT_EQ(g.x1, g.x2) << "no horizontal grid line";
}

TEST_F(PlaneDrawingTest, HugeAndDistantRangesFinishQuickly) {
  TopicWindow& w = Open("Form2");
  app.Tick("Form2", "DesenharGrelha", true);
  const auto start = std::chrono::steady_clock::now();
  SetRange("Form2", "-10", "10", "-1000000", "1000000");
  Reactivate("Form2");
  EXPECT_TRUE(app.TakeMessages().empty());
  EXPECT_EQ(XTicks(w.Picture1()).size(), 20u);
  EXPECT_TRUE(YTicks(w.Picture1()).empty());

  // Far from the origin, where single precision cannot count one by one: 1E+09 + 100 is
  // stored as 1000000128, so 129 whole positions, each computed from the start.
  SetRange("Form2", "-10", "10", "1E+09", "1000000100");
  Reactivate("Form2");
  EXPECT_EQ(YTicks(w.Picture1()).size(), 129u);

  SetRange("Form2", "-3E+38", "-2,9E+38", "1E+30", "3E+38");
  Reactivate("Form2");
  EXPECT_TRUE(app.TakeMessages().empty());
  EXPECT_EQ(Lines(w.Picture1()).size(), 2u);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(std::chrono::duration<double>(elapsed).count(), 2.0);
}

TEST_F(PlaneDrawingTest, AProblemDrawingDisappearsAtTheNextDrawing) {
  TopicWindow& w = Open("Form3");
  const std::size_t plain = w.Picture1().List().size();
  w.Picture1().foreColor = 12;
  w.Picture1().Line(1, 1, 2, 2);
  Reactivate("Form3");
  EXPECT_EQ(w.Picture1().List().size(), plain);
  for (const DrawEntry& e : w.Picture1().List()) EXPECT_NE(e.colour, 12);
}

// Boxes that cannot be drawn: at activation the plane stays and a message says why; inside a
// handler the error reaches the handler's trap.
class UndrawableRangeTest : public ProgramTest {
 protected:
  TopicWindow& Drawn() {
    TopicWindow& w = Open("Form1");
    SetRange("Form1", "-5", "5", "-5", "5");
    Reactivate("Form1");
    w.Picture1().Line(1, 1, 2, 2);  // a problem's drawing
    listBefore = w.Picture1().List().size();
    return w;
  }
  void ExpectPlaneKept(TopicWindow& w) {
    EXPECT_EQ(w.Picture1().List().size(), listBefore);
    EXPECT_EQ(w.PlotXMin, -5.0f);
    EXPECT_EQ(w.PlotXMax, 5.0f);
    EXPECT_EQ(w.PlotYMax, 5.0f);
  }
  std::size_t listBefore = 0;
};

TEST_F(UndrawableRangeTest, TextThatIsNoNumberAtActivation) {
  for (const char* bad : {"abc", "", "1,2,3", "1E+39"}) {
    TopicWindow& w = Drawn();
    Box("Form1", "Ymax") = bad;
    app.TakeMessages();
    Reactivate("Form1");
    const auto messages = app.TakeMessages();
    ASSERT_EQ(messages.size(), 1u) << bad;
    EXPECT_EQ(messages[0].text, "Os valores de Xmínimo, Xmáximo, Ymínimo e Ymáximo têm de ser números.");
    EXPECT_EQ(messages[0].title, "Vantre Lomira");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
    ExpectPlaneKept(w);
    EXPECT_EQ(app.ActiveForm(), &w) << "the window stays usable";
  }
}

TEST_F(UndrawableRangeTest, EndsWithinSinglePrecisionButAnExtentBeyondItAtActivation) {
  // Ends that are numbers, but a width (3E+38 each side) or, with each end and each border
  // corner fitting a single, the width of the scale between the corners (about 3.7E+38) does not:
  // the box a handler shows for the overflow.
  for (const char* first : {"Xmin", "Ymin"}) {
    for (const auto& [low, high] : {std::pair{"-1,7E+38", "1,7E+38"}, std::pair{"-3E+38", "3E+38"}}) {
      SCOPED_TRACE(std::string(first) + " " + low);
      const std::string second = first[0] == 'X' ? "Xmax" : "Ymax";
      TopicWindow& w = Drawn();
      Box("Form1", first) = low;
      Box("Form1", second) = high;
      app.TakeMessages();
      Reactivate("Form1");
      const auto messages = app.TakeMessages();
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_EQ(messages[0].text, "Erro:\r\n\r\nCapacidade excedida");
      EXPECT_EQ(messages[0].title, "Vantre Lomira");
      EXPECT_EQ(messages[0].icon, MsgIcon::None);
      ExpectPlaneKept(w);
    }
  }
}

TEST_F(UndrawableRangeTest, ZeroWidthAtActivation) {
  for (auto [box, value] : {std::pair{"Xmax", "-5"}, std::pair{"Ymin", "5"}}) {
    TopicWindow& w = Drawn();
    Box("Form1", box) = value;
    app.TakeMessages();
    Reactivate("Form1");
    const auto messages = app.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "O intervalo de um eixo não pode ter amplitude nula.");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
    ExpectPlaneKept(w);
  }
}

TEST_F(UndrawableRangeTest, InsideAHandlerTheErrorReachesTheTrap) {
  TopicWindow& w = Drawn();
  SetRange("Form1", "-7", "abc", "-7", "7");
  try {
    w.DrawPlane();
    ADD_FAILURE() << "no error raised";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(e.Number(), 13);
    EXPECT_EQ(e.Description(), "Tipos incompatíveis");
  }
  EXPECT_EQ(w.PlotXMin, -7.0f) << "boxes before the bad one are already read";
  EXPECT_TRUE(w.Picture1().List().empty()) << "the area was cleared first";

  SetRange("Form1", "3", "3", "-7", "7");
  try {
    w.DrawPlane();
    ADD_FAILURE() << "no error raised";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(e.Description(), "O intervalo de um eixo não pode ter amplitude nula.");
  }

  // Through the window system's own trap the user sees the "Erro:" box.
  app.TakeMessages();
  app.Dispatch([&] { w.DrawPlane(); });
  const auto messages = app.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Erro:\r\n\r\nO intervalo de um eixo não pode ter amplitude nula.");
}

}  // namespace
}  // namespace vl::planetest
