// The puzzle area as rendered: the red mask covers exactly the "?" characters of its cell for
// every kind and every cell, the rule lines stand where they belong, and cell texts stand on an
// 11-pixel grid.
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <map>
#include <tuple>

#include "dialog_support.h"
#include "engine/game.h"
#include "engine/layout.h"
#include "form_support.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/qt/column_label.h"
#include "ui/toolkit/qt/fonts.h"
#include "ui_test_main.h"

using gapwise::TPuzzle;
using gapwise::TPuzzleKind;
using gapwise::testing::W;

Q_DECLARE_METATYPE(gapwise::TPuzzle)

namespace {

bool Dark(QRgb pixel) {
  return qRed(pixel) < 128 && qGreen(pixel) < 128 && qBlue(pixel) < 128;
}
bool Red(QRgb pixel) {
  return qRed(pixel) > 200 && qGreen(pixel) < 128 && qBlue(pixel) < 128;
}

// The x range of the "?" characters of the masked cell, counted as the layout counts: 11 pixels
// a character, 5 for a blank, back from the right edge or on from the left edge.
std::pair<int, int> HiddenColumns(const gapwise::TCellBox& box, const std::string& text) {
  const std::size_t first = text.find('?');
  const std::size_t last = text.rfind('?');
  const auto width = [](char c) { return c == ' ' ? 5 : 11; };
  int start = box.Left;
  if (box.RightAligned) {
    start = box.Left + box.Width;
    for (std::size_t i = text.size(); i-- > first;) start -= width(text[i]);
  } else {
    start += 11 * static_cast<int>(first);
  }
  return {start, start + 11 * static_cast<int>(last - first + 1)};
}

// One puzzle of each kind for every masked cell, mask width and shape of the numbers.
std::vector<std::pair<std::string, TPuzzle>> DealtVariety() {
  std::vector<std::pair<std::string, TPuzzle>> rows;
  for (int kind = 0; kind < 4; ++kind) {
    gapwise::IDrillView view;
    gapwise::TDrillGame game(view);
    game.Settings().Ops[0] = static_cast<std::uint8_t>(kind);
    game.Settings().Checked = 1;
    game.Random().Seed(4242 + kind);
    std::map<std::tuple<int, std::size_t, std::size_t, std::size_t>, bool> seen;
    for (int i = 0; i < 20000; ++i) {
      game.NextPuzzle();
      const TPuzzle& p = game.Puzzle();
      const std::size_t shape = kind == 2 ? p.Cells[4].size() : p.Cells[kind == 3 ? 2 : 0].size();
      const auto key =
          std::make_tuple(int(p.MaskedCell), p.Mask.size(), shape, p.Cells[p.MaskedCell].size());
      if (seen[key]) continue;
      seen[key] = true;
      rows.emplace_back("kind " + std::to_string(kind) + " cell " + std::to_string(p.MaskedCell) +
                            " text " + p.Cells[p.MaskedCell] + " row " + std::to_string(i),
                        p);
    }
  }
  return rows;
}

}  // namespace

class TPuzzlePixelsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init() { gapwise::testing::TBoxes::CloseStrayBoxes(); }
  void maskCoversExactlyTheHiddenCharacters_data();
  void maskCoversExactlyTheHiddenCharacters();
  void ruleLines_data();
  void ruleLines();
  void digitsStandOnAnElevenPixelGrid();

 private:
  gapwise::testing::TTempHives hives_;
  std::unique_ptr<gapwise::TForm1> form_;
};

void TPuzzlePixelsTest::initTestCase() {
  form_ = gapwise::testing::OpenForm(hives_);
}

void TPuzzlePixelsTest::maskCoversExactlyTheHiddenCharacters_data() {
  QTest::addColumn<TPuzzle>("puzzle");
  using gapwise::pkAddition, gapwise::pkSubtraction, gapwise::pkMultiplication, gapwise::pkDivision;
  QTest::newRow("345 + 78") << PuzzleOf(pkAddition, {"3?5", "78", "423"}, 0, "4", 2, 2);
  QTest::newRow("105 - 98") << PuzzleOf(pkSubtraction, {"105", "98", "?"}, 2, "7", 0, 0);
  QTest::newRow("123 x 45") << PuzzleOf(pkMultiplication, {"123", "45", "615", "??2", "5535"}, 3,
                                        "49", 1, 3);
  QTest::newRow("250 x 30") << PuzzleOf(pkMultiplication, {"250", "30", "?", "750", "7500"}, 2, "0",
                                        0, 0);
  QTest::newRow("12 into 413") << PuzzleOf(pkDivision, {"12", "34", "413", "36", "53", "48", "?"},
                                           6, "5", 0, 0);
  QTest::newRow("11 into 1001") << PuzzleOf(pkDivision, {"11", "91", "1??1", "99", "11", "11", "0"},
                                            2, "00", 2, 3);
  for (const auto& [name, puzzle] : DealtVariety()) QTest::newRow(name.c_str()) << puzzle;
}

void TPuzzlePixelsTest::maskCoversExactlyTheHiddenCharacters() {
  QFETCH(TPuzzle, puzzle);
  gapwise::TForm1& form = *form_;
  form.OnPuzzleChanged(puzzle);
  QWidget* panel = W(form.Puzzle->PanelOf(puzzle.Kind));
  QWidget* mask = W(form.Puzzle->Mask(puzzle.Kind));
  const QImage masked = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
  mask->hide();
  const QImage bare = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
  mask->show();
  const gapwise::TPuzzleLayout layout = gapwise::LayoutPuzzle(puzzle);
  const gapwise::TCellBox& box = layout.Boxes[puzzle.MaskedCell];
  const auto [from, to] = HiddenColumns(box, layout.Texts[puzzle.MaskedCell]);
  int blackInk = 0;
  int redInk = 0;
  for (int y = 0; y < masked.height(); ++y) {
    for (int x = 0; x < masked.width(); ++x) {
      const QRgb before = bare.pixel(x, y);
      const QRgb after = masked.pixel(x, y);
      const bool hidden = x >= from && x < to && y >= box.Top && y < box.Top + box.Height;
      if (!hidden && before != after) {
        QFAIL(qPrintable(QStringLiteral("the mask changes (%1,%2) outside the hidden columns "
                                        "%3..%4")
                             .arg(x)
                             .arg(y)
                             .arg(from)
                             .arg(to - 1)));
      }
      if (!hidden) continue;
      if (Dark(before)) ++blackInk;
      if (Red(after)) ++redInk;
      if (Dark(before) && qRed(after) < 128) {
        QFAIL(qPrintable(QStringLiteral("a black \"?\" pixel shows at (%1,%2)").arg(x).arg(y)));
      }
      // The red "?" stands exactly where the black one stood.
      if (Dark(before) && !Red(after)) {
        QFAIL(qPrintable(QStringLiteral("the red \"?\" misses (%1,%2)").arg(x).arg(y)));
      }
    }
  }
  const int glyphs = static_cast<int>(puzzle.Mask.size());
  QVERIFY2(blackInk >= 15 * glyphs, "the black \"?\" characters are missing under the mask");
  QVERIFY2(redInk >= 15 * glyphs, "the red \"?\" characters are missing on the mask");
}

void TPuzzlePixelsTest::ruleLines_data() {
  QTest::addColumn<TPuzzle>("puzzle");
  QTest::addColumn<QList<QRect>>("rules");
  using gapwise::pkAddition, gapwise::pkSubtraction, gapwise::pkMultiplication, gapwise::pkDivision;
  const QRect columnRule(47, 73, 61, 2);
  QTest::newRow("addition") << PuzzleOf(pkAddition, {"3?5", "78", "423"}, 0, "4", 2, 2)
                            << QList<QRect>{columnRule};
  QTest::newRow("subtraction") << PuzzleOf(pkSubtraction, {"1005", "998", "?"}, 2, "7", 0, 0)
                               << QList<QRect>{columnRule};
  QTest::newRow("five-digit product")
      << PuzzleOf(pkMultiplication, {"123", "45", "615", "??2", "5535"}, 3, "49", 1, 3)
      << QList<QRect>{columnRule, QRect(46, 129, 62, 2)};
  QTest::newRow("six-digit product")
      << PuzzleOf(pkMultiplication, {"9998", "98", "79984", "89982", "?79804"}, 4, "9", 1, 6)
      << QList<QRect>{columnRule, QRect(36, 129, 74, 2)};
  const QRect bar(63, 41, 57, 2);
  const QRect stroke(63, 41, 2, 30);
  QTest::newRow("three-digit dividend")
      << PuzzleOf(pkDivision, {"12", "34", "413", "36", "53", "48", "?"}, 6, "5", 0, 0)
      << QList<QRect>{bar, stroke, QRect(72, 97, 34, 2), QRect(83, 153, 24, 2)};
  QTest::newRow("four-digit dividend")
      << PuzzleOf(pkDivision, {"11", "91", "1??1", "99", "11", "11", "0"}, 2, "00", 2, 3)
      << QList<QRect>{bar, stroke, QRect(72, 97, 44, 2), QRect(94, 153, 24, 2)};
  QTest::newRow("three-digit intermediate")
      << PuzzleOf(pkDivision, {"98", "98", "9701", "882", "?81", "784", "97"}, 4, "8", 1, 3)
      << QList<QRect>{bar, stroke, QRect(72, 97, 44, 2), QRect(83, 153, 35, 2)};
}

// Each rule is solid black, and the pixels around it that belong to no other rule are white.
void TPuzzlePixelsTest::ruleLines() {
  QFETCH(TPuzzle, puzzle);
  QFETCH(QList<QRect>, rules);
  form_->OnPuzzleChanged(puzzle);
  const QImage image = W(form_->Puzzle->PanelOf(puzzle.Kind))
                           ->grab()
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32);
  const auto onRule = [&](int x, int y) {
    for (const QRect& r : rules) {
      if (r.contains(x, y)) return true;
    }
    return false;
  };
  for (const QRect& rule : rules) {
    const QRect ring = rule.adjusted(-1, -1, 1, 1);
    for (int y = ring.top(); y <= ring.bottom(); ++y) {
      for (int x = ring.left(); x <= ring.right(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (onRule(x, y)) {
          QVERIFY2(pixel == qRgb(0, 0, 0), qPrintable(QString("(%1,%2) not black").arg(x).arg(y)));
        } else {
          QVERIFY2(pixel == qRgb(255, 255, 255),
                   qPrintable(QString("(%1,%2) beside a rule not white").arg(x).arg(y)));
        }
      }
    }
  }
}

// Times New Roman or its stand-in Liberation Serif; fully hinted, its digits advance 11 pixels at
// 21, and each digit of a cell text renders exactly as it does alone in its 11-pixel column.
void TPuzzlePixelsTest::digitsStandOnAnElevenPixelGrid() {
  const QFont font = gapwise::qt::PixelFont(21);
  QVERIFY(gapwise::testing::IsTimesNewRoman(font));
  for (char c = '0'; c <= '9'; ++c) QCOMPARE(QFontMetrics(font).horizontalAdvance(QChar(c)), 11);
  QWidget host;
  host.resize(200, 40);
  const auto place = [&](QWidget& label, int width) {
    label.setGeometry(0, 0, width, 25);
    label.setFont(font);
  };
  gapwise::qt::TColumnLabel row(&host);
  place(row, 110);
  row.SetColumns(QStringLiteral("0123456789"), {0, 11, 22, 33, 44, 55, 66, 77, 88, 99}, 11);
  const QImage whole = row.grab().toImage().convertToFormat(QImage::Format_RGB32);
  gapwise::qt::TColumnLabel single(&host);
  place(single, 11);
  for (int i = 0; i < 10; ++i) {
    single.SetColumns(QString::number(i), {0}, 11);
    const QImage alone = single.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(whole.copy(11 * i, 0, 11, 25), alone);
    int ink = 0;
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < 11; ++x) ink += Dark(alone.pixel(x, y)) ? 1 : 0;
    }
    QVERIFY(ink > 10);
  }
}

GAPWISE_UI_TEST_MAIN(TPuzzlePixelsTest)
#include "puzzle_pixels_test.moc"
