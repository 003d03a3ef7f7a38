// Contents of the 34 help pages shown by the four help viewers.
//
// The pages are rich-text HTML files under resources/help. These tests read them as plain files
// (no Qt): they check that every page is there and is well formed, and that the fixed texts of
// each viewer (headings, the index of problems, the syntax rules, the defined functions with their
// distribution over the pages) are present where the viewers expect them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#ifndef VL_RESOURCE_DIR
#define VL_RESOURCE_DIR "resources"
#endif

namespace {

namespace fs = std::filesystem;

fs::path helpDir() { return fs::path(VL_RESOURCE_DIR) / "help"; }

// Built by appending: GCC 12 at -O3 warns falsely on a literal + std::string.
std::string twoDigits(int k) {
  std::string digits = k < 10 ? "0" : "";
  digits += std::to_string(k);
  return digits;
}

std::string funcoesFile(int k) {
  std::string name = "funcoes-";
  name += twoDigits(k);
  name += ".html";
  return name;
}

std::vector<std::string> allPageFiles() {
  std::vector<std::string> files;
  for (int k = 1; k <= 5; ++k) files.push_back("instrucoes-" + std::to_string(k) + ".html");
  for (int k = 1; k <= 2; ++k) files.push_back("indice-" + std::to_string(k) + ".html");
  for (int k = 1; k <= 4; ++k) files.push_back("sintaxe-" + std::to_string(k) + ".html");
  for (int k = 1; k <= 23; ++k) files.push_back(funcoesFile(k));
  return files;
}

std::string readFile(const std::string& name) {
  std::ifstream in(helpDir() / name, std::ios::binary);
  if (!in) return {};
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(c < 0x80 ? std::tolower(c) : c); });
  return s;
}

bool isWordByte(unsigned char c) { return std::isalnum(c) != 0 || c == '_' || c >= 0x80; }

// Text of an HTML fragment as the reader sees it: tags removed (block tags become a blank,
// inline tags nothing, so that x<sup>2</sup> reads x2), the few entities decoded, and every run
// of white space turned into one blank.
std::string plainText(const std::string& html) {
  static const std::vector<std::string> inlineTags = {"span", "b", "i", "u", "sup", "sub", "font", "a"};
  std::string raw;
  std::size_t i = 0;
  while (i < html.size()) {
    if (html[i] == '<') {
      const std::size_t close = html.find('>', i);
      if (close == std::string::npos) break;
      std::string name = lower(html.substr(i + 1, close - i - 1));
      if (!name.empty() && name[0] == '/') name.erase(0, 1);
      name = name.substr(0, name.find_first_of(" \t\r\n/"));
      const bool isInline = std::find(inlineTags.begin(), inlineTags.end(), name) != inlineTags.end();
      if (!isInline) raw += ' ';
      i = close + 1;
      continue;
    }
    if (html[i] == '&') {
      static const std::vector<std::pair<std::string, std::string>> entities = {
          {"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&quot;", "\""}};
      bool decoded = false;
      for (const auto& [entity, text] : entities) {
        if (html.compare(i, entity.size(), entity) == 0) {
          raw += text;
          i += entity.size();
          decoded = true;
          break;
        }
      }
      if (decoded) continue;
    }
    raw += html[i++];
  }
  std::string out;
  bool blank = false;
  for (const char c : raw) {
    if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
      blank = true;
    } else {
      if (blank && !out.empty()) out += ' ';
      blank = false;
      out += c;
    }
  }
  return out;
}

std::string pageText(const std::string& name) { return plainText(readFile(name)); }

// Texts of the elements <tag ...>...</tag> in document order.
std::vector<std::string> elementTexts(const std::string& html, const std::string& tag) {
  std::vector<std::string> texts;
  const std::string open = "<" + tag;
  const std::string close = "</" + tag + ">";
  std::size_t pos = 0;
  while ((pos = html.find(open, pos)) != std::string::npos) {
    const std::size_t after = pos + open.size();
    if (after < html.size() && html[after] != '>' && html[after] != ' ') {
      pos = after;
      continue;
    }
    const std::size_t start = html.find('>', pos);
    const std::size_t end = html.find(close, start);
    if (start == std::string::npos || end == std::string::npos) break;
    texts.push_back(plainText(html.substr(start + 1, end - start - 1)));
    pos = end + close.size();
  }
  return texts;
}

// Position of `needle` in `text` where it does not continue a word on its left, or npos.
std::size_t findAsWord(const std::string& text, const std::string& needle, std::size_t from = 0) {
  std::size_t pos = from;
  while ((pos = text.find(needle, pos)) != std::string::npos) {
    if (pos == 0 || !isWordByte(static_cast<unsigned char>(text[pos - 1]))) return pos;
    ++pos;
  }
  return std::string::npos;
}

// Position of `needle` in `text` as a whole word (no word continues it on either side), or npos.
std::size_t findWholeWord(const std::string& text, const std::string& needle) {
  for (std::size_t pos = findAsWord(text, needle); pos != std::string::npos; pos = findAsWord(text, needle, pos + 1)) {
    const std::size_t end = pos + needle.size();
    if (end == text.size() || !isWordByte(static_cast<unsigned char>(text[end]))) return pos;
  }
  return std::string::npos;
}

std::size_t countOf(const std::string& text, const std::string& needle) {
  std::size_t n = 0;
  for (std::size_t pos = text.find(needle); pos != std::string::npos; pos = text.find(needle, pos + 1)) ++n;
  return n;
}

bool validUtf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    if (c < 0x80)
      extra = 0;
    else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
      extra = 1;
    else if ((c & 0xF0) == 0xE0)
      extra = 2;
    else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
      extra = 3;
    else
      return false;
    if (extra > 0 && i + extra >= s.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

// Checks that every element is closed in the right order; returns a description of the first
// fault, or an empty text.
std::string tagStructureFault(const std::string& html) {
  static const std::vector<std::string> voidTags = {"meta", "br", "hr", "img", "!doctype"};
  std::vector<std::string> stack;
  std::size_t i = 0;
  while ((i = html.find('<', i)) != std::string::npos) {
    const std::size_t close = html.find('>', i);
    if (close == std::string::npos) return "unterminated tag at " + std::to_string(i);
    std::string inside = html.substr(i + 1, close - i - 1);
    i = close + 1;
    const bool closing = !inside.empty() && inside[0] == '/';
    if (closing) inside.erase(0, 1);
    const bool selfClosing = !inside.empty() && inside.back() == '/';
    std::string name = lower(inside.substr(0, inside.find_first_of(" \t\r\n/")));
    if (name.empty()) return "empty tag before " + std::to_string(i);
    if (std::find(voidTags.begin(), voidTags.end(), name) != voidTags.end() || selfClosing) continue;
    if (!closing) {
      stack.push_back(name);
    } else {
      if (stack.empty() || stack.back() != name) {
        return "</" + name + "> closes <" + (stack.empty() ? std::string("nothing") : stack.back()) + ">";
      }
      stack.pop_back();
    }
  }
  if (!stack.empty()) return "<" + stack.back() + "> is never closed";
  return {};
}

// The defined functions with their argument slots, in the order of the list page, and the
// function page that describes each of them.
struct FunctionEntry {
  std::string heading;
  int page;
};

const std::vector<FunctionEntry>& functionTable() {
  static const std::vector<FunctionEntry> table = {
      {"abs ( )", 3},     {"arccos ( )", 3},   {"arccosec ( )", 4}, {"arccosech ( )", 4}, {"arccosh ( )", 5},
      {"arccotg ( )", 5}, {"arccotgh ( )", 6}, {"arcsec ( )", 6},   {"arcsech ( )", 7},   {"arcsen ( )", 7},
      {"arcsenh ( )", 8}, {"arctg ( )", 8},    {"arctgh ( )", 9},   {"cos ( )", 9},       {"cosec ( )", 10},
      {"cosech ( )", 10}, {"cosh ( )", 11},    {"cotg ( )", 11},    {"cotgh ( )", 12},    {"exp ( )", 12},
      {"fix ( )", 13},    {"int ( )", 13},     {"ln ( )", 14},      {"log ( )", 14},      {"log2 ( )", 15},
      {"log10 ( )", 15},  {"logn ( , )", 16},  {"mant ( )", 17},    {"max ( , )", 17},    {"min ( , )", 18},
      {"mod ( , )", 19},  {"sec ( )", 20},     {"sech ( )", 20},    {"sen ( )", 21},      {"senh ( )", 21},
      {"sgn ( )", 22},    {"sqr ( )", 22},     {"tg ( )", 23},      {"tgh ( )", 23},
  };
  return table;
}

// ------------------------------------------------------------------------------------------------

TEST(HelpPages, EveryPageExistsIsUtf8AndWellFormed) {
  const auto files = allPageFiles();
  ASSERT_EQ(files.size(), 34u);
  for (const auto& name : files) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(fs::is_regular_file(helpDir() / name)) << (helpDir() / name);
    const std::string html = readFile(name);
    ASSERT_FALSE(html.empty());
    EXPECT_TRUE(validUtf8(html));

    const std::string low = lower(html);
    const std::size_t first = low.find_first_not_of(" \t\r\n");
    const std::size_t last = low.find_last_not_of(" \t\r\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(low.compare(first, 6, "<html>"), 0) << "the page must start with <html>";
    EXPECT_EQ(low.compare(last - 6, 7, "</html>"), 0) << "the page must end with </html>";
    EXPECT_EQ(countOf(low, "<html"), 1u);
    EXPECT_EQ(countOf(low, "<body"), 1u);
    EXPECT_EQ(tagStructureFault(low), "");

    // Self-contained pages: no pictures, scripts or links to load.
    EXPECT_EQ(low.find("<img"), std::string::npos);
    EXPECT_EQ(low.find("<script"), std::string::npos);
    EXPECT_EQ(low.find("src="), std::string::npos);
    EXPECT_EQ(low.find("href="), std::string::npos);

    // Text in bold Comic Sans MS, set explicitly.
    EXPECT_NE(html.find("font-family:'Comic Sans MS'"), std::string::npos);

    // A real page of text, not a placeholder.
    EXPECT_GT(pageText(name).size(), 150u);
  }
}

TEST(HelpPages, NoPageTalksAboutWhereItsContentCameFrom) {
  for (const auto& name : allPageFiles()) {
    SCOPED_TRACE(name);
    const std::string html = readFile(name);
    const std::string low = lower(html);
    EXPECT_EQ(findWholeWord(html, "Part"), std::string::npos);
    // An English word stem (sp + ec...) at the start of a word; inside a Portuguese word it is
    // fine.
    EXPECT_EQ(findAsWord(low, std::string("sp") + "ec"), std::string::npos);
    EXPECT_EQ(findWholeWord(html, "TODO"), std::string::npos);  // Portuguese "todo" is a word
    EXPECT_EQ(findWholeWord(html, "FIXME"), std::string::npos);
    EXPECT_EQ(low.find("lorem"), std::string::npos);
  }
}

TEST(HelpPages, FormulasAreSetInASerifFace) {
  // Every function page with a formula sets it in Times New Roman; the pages that carry a formula
  // at all (all but the list page) have at least one such span.
  for (int k = 1; k <= 23; ++k) {
    if (k == 2) continue;
    SCOPED_TRACE(funcoesFile(k));
    EXPECT_NE(readFile(funcoesFile(k)).find("font-family:'Times New Roman'"), std::string::npos);
  }
  // The mathematical signs are the real characters, not spelled-out words.
  EXPECT_NE(pageText("funcoes-03.html").find("≥"), std::string::npos);      // abs
  EXPECT_NE(pageText("funcoes-03.html").find("π"), std::string::npos);      // arccos
  EXPECT_NE(pageText("funcoes-05.html").find("√"), std::string::npos);      // arccosh
  EXPECT_NE(readFile("funcoes-10.html").find("<sup>"), std::string::npos);  // cosech: powers of e
  EXPECT_NE(pageText("sintaxe-3.html").find("∞"), std::string::npos);
}

TEST(HelpInstructions, FirstPageCarriesTheTitleAndTheVersionHistory) {
  const std::string text = pageText("instrucoes-1.html");
  for (const std::string quoted : {"Vantre Lomira Plana, Versão 2.2", "O que há de novo:", "Versão 2.1", "Versão 2.2",
                                   "Sintaxe", "Funções Definidas"}) {
    EXPECT_NE(text.find(quoted), std::string::npos) << quoted;
  }
  // "Versão 2" as an entry of its own, not only as the start of 2.1 and 2.2.
  bool plainTwo = false;
  for (std::size_t pos = text.find("Versão 2"); pos != std::string::npos; pos = text.find("Versão 2", pos + 1)) {
    const std::size_t next = pos + std::string("Versão 2").size();
    if (next < text.size() && text[next] != '.' && text[next] != ',') plainTwo = true;
  }
  EXPECT_TRUE(plainTwo);
  // The history comes in order, after the heading.
  const std::size_t head = text.find("O que há de novo:");
  const std::size_t v21 = text.find("Versão 2.1", head);
  const std::size_t v22 = text.find("Versão 2.2", head);
  ASSERT_NE(head, std::string::npos);
  EXPECT_LT(v21, v22);
  EXPECT_NE(v22, std::string::npos);
}

TEST(HelpInstructions, PagesExplainButtonsRangeAndTheWorkedExample) {
  const std::string p2 = pageText("instrucoes-2.html");
  EXPECT_NE(p2.find("Dados"), std::string::npos);
  EXPECT_NE(p2.find("Resolver"), std::string::npos);
  EXPECT_NE(p2.find("20/19"), std::string::npos);
  const std::string p3 = pageText("instrucoes-3.html");
  EXPECT_NE(p3.find("1024×768"), std::string::npos);
  EXPECT_NE(p3.find("Xmínimo – Xmáximo"), std::string::npos);
  EXPECT_NE(p3.find("> 50"), std::string::npos);
  const std::string p4 = pageText("instrucoes-4.html");
  EXPECT_NE(p4.find("monométricos"), std::string::npos);
  EXPECT_NE(p4.find("Circunferência 3"), std::string::npos);
  EXPECT_NE(p4.find("17"), std::string::npos);
  const std::string p5 = pageText("instrucoes-5.html");
  for (const std::string word : {"Dados", "Resolver", "Fechar", "Sair", "Abandonar o programa"}) {
    EXPECT_NE(p5.find(word), std::string::npos) << word;
  }
}

TEST(HelpIndex, EveryProblemTitleStandsUnderItsWindowInOrder) {
  using Group = std::pair<std::string, std::vector<std::string>>;
  const std::vector<std::pair<std::string, std::vector<Group>>> pages = {
      {"indice-1.html",
       {{"Pontos",
         {"Representação de um ponto", "Ponto médio de um segmento", "Distância entre dois pontos",
          "Mediatriz de um segmento"}},
        {"Recta 1",
         {"Recta de equação…", "Recta que passa por dois pontos", "Recta que passa por um ponto e é paralela a outra",
          "Recta que passa por um ponto e é perpendicular a outra"}},
        {"Recta 2",
         {"Intersecção de duas rectas", "Distância entre rectas paralelas", "Distância de um ponto a uma recta",
          "Ângulo de duas rectas"}},
        {"Recta 3",
         {"Ver se três pontos são colineares", "Coeficiente angular e inclinação de uma recta",
          "Posição relativa de duas rectas"}},
        {"Recta 4", {"Recta que passa por um ponto e…", "Bissectrizes de duas rectas concorrentes"}}}},
      {"indice-2.html",
       {{"Circunferência 1",
         {"Circunferência de equação…", "Circunferência com centro num ponto e tangente a uma recta",
          "Tangente a uma circunferência num dos seus pontos", "Intersecção de uma recta com uma circunferência"}},
        {"Circunferência 2",
         {"Circunferência inscrita num triângulo", "Circunferência circunscrita a um triângulo",
          "Distância de um ponto a uma circunferência", "Circunferência de centro C e tangente a uma recta",
          "Circunferência definida por três pontos"}},
        {"Circunferência 3",
         {"Intersecção de duas circunferências", "Rectas que passam por um ponto e são tangentes a uma circunferência",
          "Circunferência que passa por um ponto e é tangente a uma recta num ponto"}},
        {"Triângulo",
         {"Pontos notáveis de um triângulo", "Área de um triângulo",
          "Ver se três pontos definem um triângulo rectângulo"}}}},
  };
  for (const auto& [file, groups] : pages) {
    SCOPED_TRACE(file);
    const std::string text = pageText(file);
    EXPECT_NE(text.find("Índice"), std::string::npos);
    EXPECT_NE(text.find("Problemas contidos nas páginas deste programa"), std::string::npos);
    std::size_t cursor = text.find("Problemas contidos nas páginas deste programa");
    for (const auto& [window, titles] : groups) {
      // The heading, then its problems, each after a dash, before the next heading.
      const std::size_t head = findAsWord(text, window, cursor);
      ASSERT_NE(head, std::string::npos) << window;
      cursor = head + window.size();
      for (const auto& title : titles) {
        const std::size_t at = text.find(title, cursor);
        ASSERT_NE(at, std::string::npos) << title;
        const std::string before = text.substr(at >= 5 ? at - 5 : 0, at >= 5 ? 5 : at);
        EXPECT_TRUE(before.find('-') != std::string::npos || before.find("–") != std::string::npos)
            << "no dash before " << title;
        cursor = at + title.size();
      }
    }
  }
  // The first page holds the line problems only, the second the circle and triangle problems.
  EXPECT_EQ(pageText("indice-1.html").find("Circunferência de equação"), std::string::npos);
  EXPECT_EQ(pageText("indice-2.html").find("Recta de equação"), std::string::npos);
}

TEST(HelpSyntax, PagesCarryTheirHeadingsRulesAndExamples) {
  const std::string p1 = pageText("sintaxe-1.html");
  EXPECT_NE(p1.find("SINTAXE"), std::string::npos);
  for (const std::string rule : {"x", "parênteses", "Funções definidas", "português"}) {
    EXPECT_NE(p1.find(rule), std::string::npos) << rule;
  }

  const std::string p2 = pageText("sintaxe-2.html");
  for (const std::string example : {"log (exp (sen (5x)))", "tgh (cos (7/log (3x)))", "Cos(x)", "COS(x)", "CoS(X)",
                                    "5sen (2x)", "5*sen (2*x)", "sen(x)*cos(x)", "1.7x", "1,7x", "e^cos(2x)"}) {
    EXPECT_NE(p2.find(example), std::string::npos) << example;
  }

  const std::string p3 = pageText("sintaxe-3.html");
  EXPECT_NE(p3.find("Para introduzir valores numéricos:"), std::string::npos);
  for (const std::string example :
       {"123", "- 123.45", "7/9", "0.1234", "-2*3", "sqr(23)", "5^3", "log (11) + sen (12)", "2e", "3pi",
        "max (-2, cos (7))", "sen (pi)", "12,3", "cos (x)", "∞", "tg (pi/2)"}) {
    EXPECT_NE(p3.find(example), std::string::npos) << example;
  }
  // The valid examples come before the invalid ones.
  EXPECT_LT(p3.find("sen (pi)"), p3.find("12,3"));

  const std::string p4 = pageText("sintaxe-4.html");
  EXPECT_NE(p4.find("Símbolos das operações"), std::string::npos);
  const std::vector<std::string> symbols = {"+ adição",           "- subtracção", "* multiplicação",  "/ divisão",
                                            "\\ divisão inteira", "^ potência",   "sqr raiz quadrada"};
  std::size_t cursor = p4.find("Símbolos das operações");
  for (const auto& s : symbols) {
    const std::size_t at = p4.find(s, cursor);
    ASSERT_NE(at, std::string::npos) << s;
    cursor = at + s.size();
  }
}

TEST(HelpFunctions, FirstPagesCarryTheHeadingAndTheListOfAllNames) {
  const std::string p1 = pageText("funcoes-01.html");
  EXPECT_NE(p1.find("FUNÇÕES DEFINIDAS"), std::string::npos);
  EXPECT_NE(p1.find("arcsenh"), std::string::npos);
  EXPECT_NE(p1.find("arccosech"), std::string::npos);

  const std::string p2 = pageText("funcoes-02.html");
  const std::string intro = "As funções definidas neste programa são as seguintes:";
  const std::size_t start = p2.find(intro);
  ASSERT_NE(start, std::string::npos);
  // All 39 names with their slots, each once, in the order of the table.
  std::size_t previous = start;
  for (const auto& entry : functionTable()) {
    const std::size_t at = findAsWord(p2, entry.heading);
    ASSERT_NE(at, std::string::npos) << entry.heading;
    EXPECT_EQ(findAsWord(p2, entry.heading, at + 1), std::string::npos) << entry.heading << " twice";
    EXPECT_GT(at, previous) << entry.heading << " out of order";
    previous = at;
  }
  EXPECT_EQ(functionTable().size(), 39u);
}

TEST(HelpFunctions, EachFunctionHasItsOwnHeadingOnItsPageInListOrder) {
  std::vector<std::string> headingsInPageOrder;
  for (int k = 3; k <= 23; ++k) {
    SCOPED_TRACE(funcoesFile(k));
    std::vector<std::string> expected;
    for (const auto& entry : functionTable()) {
      if (entry.page == k) expected.push_back(entry.heading);
    }
    const std::string html = readFile(funcoesFile(k));
    const std::vector<std::string> headings = elementTexts(html, "h2");
    EXPECT_EQ(headings, expected);
    headingsInPageOrder.insert(headingsInPageOrder.end(), headings.begin(), headings.end());

    // Every function is told with the same three bullets.
    const std::string text = plainText(html);
    EXPECT_EQ(countOf(text, "É definida por"), expected.size());
    EXPECT_EQ(countOf(text, "São válidas expressões"), expected.size());
    // The definition of each function comes after its own heading and before the next one.
    std::size_t cursor = 0;
    for (const auto& h : expected) {
      const std::size_t head = text.find(h, cursor);
      ASSERT_NE(head, std::string::npos) << h;
      const std::size_t def = text.find("É definida por", head);
      const std::size_t ex = text.find("São válidas expressões", head);
      EXPECT_LT(def, ex) << h;
      cursor = ex;
    }
  }
  std::vector<std::string> all;
  for (const auto& entry : functionTable()) all.push_back(entry.heading);
  EXPECT_EQ(headingsInPageOrder, all);
}

TEST(HelpFunctions, ExamplesAndFormulasStandOnTheirPages) {
  const std::vector<std::pair<int, std::vector<std::string>>> samples = {
      {3, {"abs (2x/7)", "abs (sen (arctgh(x-8)))", "arccos (x/sqr(x-2))", "arccos (sen (2cos(5x/3)))"}},
      {4, {"x*3cos(x)/arccosec(2/x)", "exp (arccosech(ln(x^4+9)))"}},
      {5, {"5x*3arccotg (2x/3)", "sen(cos(arccosh(x-1)))"}},
      {6, {"5*exp (arccotgh (x-7))", "1 / arcsec (arccosec (x))"}},
      {7, {"arcsech (x^3)+cosh (2x)", "arcsen (cos (x))"}},
      {8, {"(arcsenh (x/4))^5", "x*log (x) – 1/3arctg(x)"}},
      {9, {"arctgh (x*cosh (arcsen(5x)))", "cos (log (arctgh (4x – 1))) + sen (cos (x))"}},
      {10, {"cosec (cosec (2x))", "senh (2x) + cosech (2/x*cos(x))"}},
      {11, {"int (cosh (x*cos (x)))", "mant (cotg (3x))"}},
      {12, {"fix (cotgh (2x))", "exp (cos (2x)) ou e ^ cos (2x)", "tg (x) – 2exp (x) ou tg (x) – 2e ^ x"}},
      {13, {"fix (sen(x – cos(5x)))", "int (sen(x – cos(5x)))"}},
      {14, {"(abs (ln (x)))^(1/3)", "tgh (log (1/2x))"}},
      {15, {"log2 (sen (cos (5x)))", "log10 (sen (cos (5x)))"}},
      {16,
       {"logn (x, 5)", "4cosh (3x) – logn (2x, 11)", "logn (x, 2)", "log2 (x)", "logn (7, x)", "log (7) / log (x)"}},
      {17, {"x*mant (5x)", "max (sen(x), tgh(x))", "max (x, cosh (x))"}},
      {18, {"min (x, 7)", "min (sen(x), tgh(x))", "min (sen (x), cos (x))", "x*min (x, int (x))"}},
      {19, {"mod (x, 7)", "cos(x-4)*mod (exp(5x),8)"}},
      {20, {"x*sec(7x)", "sec (x) – sech(x)", "exp (sech (2x))"}},
      {21, {"ln(x)*sen (5/x)", "e ^senh (x)"}},
      {22, {"sgn (cos (x))", "senh (2x) – sqr (x*sqr (x))"}},
      {23, {"cos (x) + tg (arctg (6x))", "tgh (tgh (tgh (cos (x))))"}},
  };
  for (const auto& [page, texts] : samples) {
    SCOPED_TRACE(funcoesFile(page));
    const std::string text = pageText(funcoesFile(page));
    for (const auto& t : texts) EXPECT_NE(text.find(t), std::string::npos) << t;
  }
  // The three inverse functions whose formulas were mended: the shown formulas are the ones the
  // interpreter uses (arcsec through arctg of the root of x²−1 and π/2, arccosec through sgn and
  // arctg of 1 over that root, arccotg as π/2 minus arctg).
  const std::string p4 = pageText("funcoes-04.html");
  EXPECT_NE(p4.find("arccosec (x) = sgn (x) · arctg ("), std::string::npos);
  EXPECT_NE(p4.find("√(x2 − 1)"), std::string::npos);
  const std::string p5 = pageText("funcoes-05.html");
  EXPECT_NE(p5.find("arccotg (x) = π 2 − arctg (x)"), std::string::npos);
  const std::string p6 = pageText("funcoes-06.html");
  EXPECT_NE(p6.find("arcsec (x) = sgn (x) · [ arctg (√(x2 − 1)) − π 2 ] + π 2"), std::string::npos);
  // The functions the computer knows itself say so instead of giving a formula.
  for (const int page : {8, 9, 12, 14, 19, 21, 22}) {
    EXPECT_NE(pageText(funcoesFile(page)).find("Já está definida no computador."), std::string::npos) << page;
  }
}

}  // namespace
