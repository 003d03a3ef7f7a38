// The mechanics every problem run shares: the solve flag, the error trap, input boxes, point and
// distance results, the reader's noise removal.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "App.h"
#include "LineReader.h"
#include "Lines.h"
#include "ProblemMechanics.h"
#include "ResultTexts.h"

namespace {

using namespace vl;

TEST(SolveRequestProtocol, FlagIsLoweredOnEveryWayOut) {
  bool flag = true;
  {
    SolveRequestProtocol request(flag);
    EXPECT_TRUE(request.Solving());
  }
  EXPECT_FALSE(flag) << "normal end";

  flag = true;
  auto earlyReturn = [&] {
    SolveRequestProtocol request(flag);
    if (request.Solving()) return;
    ADD_FAILURE() << "not reached";
  };
  earlyReturn();
  EXPECT_FALSE(flag) << "a verdict that ends the handler";

  flag = true;
  try {
    SolveRequestProtocol request(flag);
    throw std::runtime_error("fault");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(flag) << "a fault";
}

TEST(HandlerErrorBox, FaultStopsTheBodyAndShowsErro) {
  App app;
  int reached = 0;
  HandlerErrorBox([&] {
    reached = 1;
    throw RunTimeError(11, "Divisão por zero");
    reached = 2;  // NOLINT: never runs
  });
  EXPECT_EQ(reached, 1);
  const auto messages = app.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Erro:\r\n\r\nDivisão por zero");
  EXPECT_EQ(messages[0].title, "Vantre Lomira");
  EXPECT_EQ(messages[0].icon, MsgIcon::None);

  HandlerErrorBox([&] { reached = 3; });
  EXPECT_EQ(reached, 3);
  EXPECT_TRUE(app.TakeMessages().empty());
}

TEST(EvaluateInput, ValuesOfBoxes) {
  clsEquation eq;
  Control box;
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {Case{"2", 2}, Case{"  -8 ", -8}, Case{"1/2", 0.5}, Case{"3*x", 0}, Case{"2*x+3", 3},
                        Case{"sqr(16)", 4}, Case{" 2 * 3 ", 6}}) {
    SCOPED_TRACE(c.text);
    box.text = c.text;
    EXPECT_EQ(EvaluateInput(eq, box), c.value);
  }
}

TEST(EvaluateInput, RejectedTextsRaiseTheInterpretersError) {
  clsEquation eq;
  Control box;
  struct Case {
    const char* text;
    int number;
    const char* description;
  };
  for (const Case& c :
       {Case{"", 1103, "Expressão inválida"}, Case{"   ", 1103, "Expressão inválida"},
        Case{"y", 1102, "Variável não definida: y"}, Case{"(2", 1100, "Número de parênteses incorrecto."}}) {
    SCOPED_TRACE(c.text);
    box.text = c.text;
    try {
      EvaluateInput(eq, box);
      ADD_FAILURE() << "no error";
    } catch (const RunTimeError& e) {
      EXPECT_EQ(e.Number(), c.number);
      EXPECT_EQ(e.Description(), c.description);
    }
  }
}

TEST(PointResults, RoundedToTwoDecimalsWithSpacedComma) {
  EXPECT_EQ(PointResultText({-3, 1}), "(-3 , 1)");
  EXPECT_EQ(PointResultText({1.5, -2}), "(1,5 , -2)");
  EXPECT_EQ(PointResultText({0.5, 0.5}), "(0,5 , 0,5)");
  EXPECT_EQ(PointResultText({0.125, 2.675}), "(0,12 , 2,67)");  // half to even; 2.675 lies below the half
  EXPECT_EQ(PointResultText({-0.001, 1.0 / 3}), "(0 , 0,33)");
}

TEST(PointResults, RadicalDistances) {
  struct Case {
    geo::Point a, b;
    const char* text;
  };
  for (const Case& c : {Case{{-8, -2}, {6, 4}, "Sqr(232)"}, Case{{0, 0}, {3, 4}, "5"}, Case{{0, 0}, {1, 1}, "Sqr(2)"},
                        Case{{0, 0}, {0.5, 0}, "Sqr(0,25)"}, Case{{7, -1}, {7, -1}, "0"}, Case{{1, 1}, {-2, 5}, "5"},
                        Case{{0, 0}, {1, 2}, "Sqr(5)"}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(RadicalDistanceText(geo::PointDistance(c.a, c.b), "Sqr("), c.text);
  }
  // Whole means exactly whole: one step of a double above 5 is not.
  EXPECT_EQ(RadicalDistanceText({std::nextafter(5.0, 6.0), 25}, "Sqr("), "Sqr(25)");
  EXPECT_EQ(RadicalDistanceText({5, 25}, "R("), "5");
}

TEST(RemoveReaderNoise, SnapsNoiseAndKeepsRealDifferences) {
  double a = -0.10000000000000003, b = 1, c = -0.3;
  RemoveReaderNoise({&a, &b, &c});
  EXPECT_EQ(a, -0.1);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(c, -0.3);

  struct Kept {
    double a, b, c;
  };
  for (const Kept& k : {Kept{1, 1.00000001, 0}, Kept{1, 1, -1e13}, Kept{6, 6, -1e13}, Kept{0.1000000000001, 1, 0},
                        Kept{0, 0, 0}, Kept{0.33333333333333326, 0.5, -1}}) {
    double x = k.a, y = k.b, z = k.c;
    RemoveReaderNoise({&x, &y, &z});
    EXPECT_EQ(x, k.a);
    EXPECT_EQ(y, k.b);
    EXPECT_EQ(z, k.c);
  }

  // Noise on a large scale: the next double above 1e20 snaps back to it.
  double big = std::nextafter(1e20, 2e20), one = 3e19, zero = 0;
  RemoveReaderNoise({&big, &one, &zero});
  EXPECT_EQ(big, 1e20);
  EXPECT_EQ(one, 3e19);
}

}  // namespace
