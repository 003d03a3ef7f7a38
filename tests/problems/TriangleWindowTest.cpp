// The triangle window: notable points, area, and the right-angle test.
#include <gtest/gtest.h>

#include "ProblemTestSupport.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

using Op = DrawEntry::Op;

constexpr const char* kCollinear = "Os pontos são colineares, não definem um triângulo.";

class TriangleWindowTest : public ProblemWindowTest {
 protected:
  TriangleWindowTest() : ProblemWindowTest("Form9") {}

  // Six boxes in the order A x, A y, B x, B y, C x, C y.
  void SetVertices(const char* const (&boxes)[6], const char* const (&values)[6]) {
    for (int i = 0; i < 6; ++i) Set(boxes[i], values[i]);
  }
};

constexpr const char* kNotable[6] = {"Abcissa1", "Ordenada1", "Abcissa2", "Ordenada2", "Abcissa3", "Ordenada3"};
constexpr const char* kArea[6] = {"Abcissa6", "Ordenada6", "Abcissa7", "Ordenada7", "Abcissa8", "Ordenada8"};
constexpr const char* kRight[6] = {"Abcissa9", "Ordenada9", "Abcissa10", "Ordenada10", "Abcissa11", "Ordenada11"};

// ---- Notable points ----

TEST_F(TriangleWindowTest, NotablePointsOfTheDesignTriangle) {
  // A (2, −2), B (−8, 4), C (5, 8). Circumcentre (−117/118, 513/118); the orthocentre from the
  // Euler line, H = 3G − 2O.
  struct Row {
    const char* option;
    const char* text;
    float x, y;
  };
  const Row rows[] = {
      {"Option1", "(-0,99 , 4,35)", -117.0f / 118, 513.0f / 118},
      {"Option2", "(0,06 , 3,02)", 0.055736771381581805f, 3.020795416520018f},
      {"Option3", "(0,98 , 1,31)", 0.9830508474576272f, 1.305084745762711f},
      {"Option4", "(-0,33 , 3,33)", -1.0f / 3, 10.0f / 3},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.option);
    Click(r.option);
    Click("Resolver4");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Caption("Resultado1"), r.text);
    EXPECT_FALSE(Window().SolveRequested);

    EXPECT_EQ(Drawn(Op::Point, kData).size(), 3u);
    const auto sides = Drawn(Op::Line, kData);
    ASSERT_EQ(sides.size(), 3u);
    EXPECT_TRUE(IsLine(sides[1], -8, 4, 5, 8)) << "AB, BC, CA";
    const auto point = Drawn(Op::Point, kResult);
    ASSERT_EQ(point.size(), 1u);
    EXPECT_FLOAT_EQ(point[0].x1, r.x);
    EXPECT_FLOAT_EQ(point[0].y1, r.y);
    // Three construction lines and the two guides, all dotted.
    const auto red = Drawn(Op::Line, kResult);
    ASSERT_EQ(red.size(), 5u);
    for (const auto& l : red) EXPECT_EQ(l.style, PenStyle::Dotted);
    EXPECT_TRUE(IsLine(red[3], r.x, 0, r.x, r.y)) << "the vertical guide";
  }

  Click("Dados4");
  EXPECT_EQ(Caption("Resultado1"), "") << "emptied on every run";
  EXPECT_TRUE(Drawn(Op::Point, kResult).empty());
}

TEST_F(TriangleWindowTest, ConstructionLinesReachTheRightPoints) {
  // The altitudes end at their feet on the opposite sides.
  Click("Option3");
  Click("Resolver4");
  auto red = Drawn(Op::Line, kResult);
  ASSERT_EQ(red.size(), 5u);
  EXPECT_FLOAT_EQ(red[0].x2, -0.551351351351351f);
  EXPECT_FLOAT_EQ(red[0].y2, 6.291891891891892f);
  EXPECT_FLOAT_EQ(red[1].x2, 2.8256880733944953f);
  EXPECT_FLOAT_EQ(red[1].y2, 0.7522935779816518f);
  EXPECT_FLOAT_EQ(red[2].x2, -0.20588235294117663f);
  EXPECT_FLOAT_EQ(red[2].y2, -0.6764705882352942f);

  // The centroid's strokes go to the middles of AB, AC and BC.
  Click("Option4");
  Click("Resolver4");
  red = Drawn(Op::Line, kResult);
  ASSERT_EQ(red.size(), 5u);
  EXPECT_EQ(red[0].x2, -3);
  EXPECT_EQ(red[0].y2, 1);
  EXPECT_EQ(red[1].x2, 3.5f);
  EXPECT_EQ(red[1].y2, 3);
  EXPECT_EQ(red[2].x2, -1.5f);
  EXPECT_EQ(red[2].y2, 6);
}

TEST_F(TriangleWindowTest, NotablePointsOfCollinearVertices) {
  SetVertices(kNotable, {"0", "0", "1", "1", "2", "2"});
  for (const char* option : {"Option1", "Option3"}) {
    SCOPED_TRACE(option);
    Click(option);
    Click("Resolver4");
    ExpectOneMessage("Erro:\r\n\r\nDivisão por zero", "Vantre Lomira", MsgIcon::None);
    EXPECT_TRUE(Drawn(Op::Point, kResult).empty()) << "nothing red before the fault";
    EXPECT_EQ(Drawn(Op::Point, kData).size(), 3u);
    EXPECT_EQ(Caption("Resultado1"), "");
    EXPECT_FALSE(Window().SolveRequested);
  }
  // The incentre of a flat triangle is a point of the segment; the centroid works as usual.
  for (const char* option : {"Option2", "Option4"}) {
    SCOPED_TRACE(option);
    Click(option);
    Click("Resolver4");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Caption("Resultado1"), "(1 , 1)");
  }
  // Three equal vertices leave the incentre 0/0.
  SetVertices(kNotable, {"1", "1", "1", "1", "1", "1"});
  Click("Option2");
  Click("Resolver4");
  ExpectOneMessage("Erro:\r\n\r\nCapacidade excedida", "Vantre Lomira", MsgIcon::None);
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Area ----

TEST_F(TriangleWindowTest, AreaIsUnroundedAndWithoutSign) {
  struct Row {
    const char* vertices[6];
    const char* text;
  };
  const Row rows[] = {
      {{"0", "0", "4", "0", "0", "3"}, "6"},
      {{"0", "0", "1", "0", "0", "0.333"}, "0,1665"},
      {{"2", "-2", "-8", "4", "5", "8"}, "59"},  // clockwise: the signed half is −59
      {{"0", "0", "0", "3", "4", "0"}, "6"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    SetVertices(kArea, r.vertices);
    Click("Resolver5");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Caption("Resultado4"), r.text);
    EXPECT_FALSE(Window().SolveRequested);
  }
  // The sides are drawn in the data colour, after the points and their guides.
  const auto blue = Drawn(Op::Line, kData);
  ASSERT_EQ(blue.size(), 9u);
  EXPECT_EQ(blue[6].width, 2);
  EXPECT_EQ(blue[0].style, PenStyle::Dotted);
  EXPECT_EQ(ProblemEntries().size(), 12u) << "nothing red";
}

TEST_F(TriangleWindowTest, AreaOfTheDesignDataWithTwoEqualVertices) {
  Click("Dados5");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Drawn(Op::Point, kData).size(), 3u);
  EXPECT_EQ(Drawn(Op::Line, kData).size(), 6u) << "the guides of each point";

  Click("Resolver5");
  ExpectOneMessage("Os três pontos são colineares, não definem um triângulo.", "Vantre lomira", MsgIcon::Information);
  EXPECT_EQ(Caption("Resultado4"), "");
  EXPECT_EQ(Drawn(Op::Line, kData).size(), 6u) << "no sides";
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Right triangle ----

TEST_F(TriangleWindowTest, RightAngleAtAnyVertex) {
  struct Row {
    const char* vertices[6];
    const char* text;
  };
  const Row rows[] = {
      {{"2", "-2", "-8", "4", "5", "-2"}, "O triângulo não é rectângulo."},
      {{"0", "0", "4", "0", "0", "3"}, "O triângulo é rectângulo."},  // at A
      {{"4", "0", "0", "0", "0", "3"}, "O triângulo é rectângulo."},  // at B
      {{"4", "0", "0", "3", "0", "0"}, "O triângulo é rectângulo."},  // at C
      {{"0", "0", "4", "0", "0.5", "3"}, "O triângulo não é rectângulo."},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    SetVertices(kRight, r.vertices);
    Click("Resolver7");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Caption("Resultado5"), r.text);
    EXPECT_EQ(Drawn(Op::Line, kResult).size(), 3u);
    EXPECT_EQ(Drawn(Op::Point, kData).size(), 3u);
    EXPECT_FALSE(Window().SolveRequested);
  }
  Click("Dados7");
  EXPECT_EQ(Caption("Resultado5"), "");
  EXPECT_TRUE(Drawn(Op::Line, kResult).empty());
}

TEST_F(TriangleWindowTest, RightTriangleRefusesCollinearVerticesOnDadosToo) {
  SetVertices(kRight, {"0", "0", "1", "1", "2", "2"});
  for (const char* button : {"Dados7", "Resolver7"}) {
    SCOPED_TRACE(button);
    Click(button);
    ExpectOneMessage(kCollinear, "Vantre lomira", MsgIcon::Information);
    EXPECT_TRUE(ProblemEntries().empty()) << "the fresh plane only";
    EXPECT_FALSE(List().empty());
    EXPECT_FALSE(Window().SolveRequested);
  }
  Set("Ordenada11", "2 +");
  Click("Resolver7");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text.rfind("Erro:\r\n\r\n", 0), 0u);
  EXPECT_FALSE(Window().SolveRequested);
}

}  // namespace
