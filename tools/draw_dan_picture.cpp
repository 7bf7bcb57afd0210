// Draws the explanation picture that the "说明" buttons of the banker-count
// blocks ("胆码开出个数") show: 996 × 578 pixels with a worked example of
// the front-three page, written as a progressive JPEG. The program embeds
// the result (resources/DM.jpg); run it again after changing the drawing:
//
//     tesvik_draw_dan_picture resources/DM.jpg
//
// Every figure of the example is checked against the program by
// tests/scripts/help_dan_picture.batch.

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kWidth = 996;
constexpr int kHeight = 578;

const QColor kInk(40, 40, 40);
const QColor kTitle(170, 20, 20);
const QColor kKeep(0, 140, 0);
const QColor kDrop(200, 0, 0);
const QColor kButtonGreen(0, 255, 0);
const QColor kGrid(150, 150, 150);

QFont font(int pixels, bool bold = false) {
  QFont f(QStringLiteral("WenQuanYi Micro Hei"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// A panel button as the pages draw it: a caption on its colour.
void button(QPainter& p, int x, int y, const QString& caption, bool on) {
  const QRect r(x, y, 34, 24);
  p.setPen(kGrid);
  p.setBrush(on ? kButtonGreen : QColor(224, 224, 224));
  p.drawRect(r);
  p.setPen(kInk);
  p.setFont(font(14));
  p.drawText(r, Qt::AlignCenter, caption);
}

void draw(QPainter& p) {
  p.fillRect(0, 0, kWidth, kHeight, QColor(255, 253, 240));
  p.setPen(QPen(kGrid, 2));
  p.drawRect(1, 1, kWidth - 3, kHeight - 3);

  p.setPen(kTitle);
  p.setFont(font(26, true));
  p.drawText(QRect(0, 12, kWidth, 40), Qt::AlignCenter, QStringLiteral("胆码开出个数说明（胆组·不定位胆）"));

  p.setPen(kInk);
  p.setFont(font(16));
  const QString rules[] = {
      QStringLiteral("1. 每一行胆组点亮几个胆码（绿色），再在这一行的“胆码开出个数”里点亮个数（绿色）。"),
      QStringLiteral("2. 一注号码含有这一行胆码的个数（不管名次）是点亮的个数之一，这一行就符合。"),
      QStringLiteral("3. 这一行没有点亮开出个数时，含有 1 个或以上胆码就符合，0 个不符合。"),
      QStringLiteral("4. 容错是允许几行不符合：0-0 表示每一行都要符合。全部胆组行一共只算一个条件。"),
  };
  int y = 62;
  for (const QString& line : rules) {
    p.drawText(30, y + 18, line);
    y += 28;
  }

  // The example's panel row: 01 02 03 and the count 1 lit.
  y = 186;
  p.setPen(kTitle);
  p.setFont(font(18, true));
  p.drawText(30, y + 18, QStringLiteral("例（精确前三）：第一行胆码点亮 01 02 03，开出个数点亮 1"));
  y += 34;
  for (int n = 1; n <= 10; ++n)
    button(p, 30 + 38 * (n - 1), y, QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), n <= 3);
  p.setPen(kInk);
  p.setFont(font(14));
  p.drawText(420, y + 17, QStringLiteral("胆码开出个数"));
  for (int c = 0; c <= 3; ++c) button(p, 520 + 38 * c, y, QString::number(c), c == 1);

  // The table of three picks.
  y += 40;
  const int cols[] = {30, 200, 420, 540, 966};
  const QString head[] = {QStringLiteral("号码"), QStringLiteral("含有的胆码"), QStringLiteral("个数"),
                          QStringLiteral("结果")};
  struct Row {
    QString pick, has, count, verdict;
    bool keep;
  };
  const Row rows[] = {
      {QStringLiteral("01 05 07"), QStringLiteral("01"), QStringLiteral("1"), QStringLiteral("符合，保留"), true},
      {QStringLiteral("01 02 07"), QStringLiteral("01 02"), QStringLiteral("2"), QStringLiteral("不符合，去掉"), false},
      {QStringLiteral("04 05 06"), QStringLiteral("没有"), QStringLiteral("0"), QStringLiteral("不符合，去掉"), false},
  };
  const int row_height = 30;
  p.setPen(kGrid);
  p.setBrush(QColor(235, 235, 225));
  p.drawRect(cols[0], y, cols[4] - cols[0], row_height);
  p.setBrush(Qt::NoBrush);
  for (int r = 1; r <= 3; ++r) p.drawRect(cols[0], y + r * row_height, cols[4] - cols[0], row_height);
  for (int c = 1; c < 4; ++c) p.drawLine(cols[c], y, cols[c], y + 4 * row_height);
  p.setFont(font(16, true));
  p.setPen(kInk);
  for (int c = 0; c < 4; ++c)
    p.drawText(QRect(cols[c], y, cols[c + 1] - cols[c], row_height), Qt::AlignCenter, head[c]);
  p.setFont(font(16));
  for (int r = 0; r < 3; ++r) {
    const Row& row = rows[r];
    const int top = y + (r + 1) * row_height;
    const QString cells[] = {row.pick, row.has, row.count};
    p.setPen(kInk);
    for (int c = 0; c < 3; ++c)
      p.drawText(QRect(cols[c], top, cols[c + 1] - cols[c], row_height), Qt::AlignCenter, cells[c]);
    p.setPen(row.keep ? kKeep : kDrop);
    p.drawText(QRect(cols[3], top, cols[4] - cols[3], row_height), Qt::AlignCenter, row.verdict);
  }

  y += 4 * row_height + 14;
  p.setPen(kInk);
  p.setFont(font(16));
  const QString results[] = {
      QStringLiteral("结果：720 注剩 378 注（正好含一个胆码）。不点亮开出个数时剩 510 注（至少含一个胆码）。"),
      QStringLiteral("再加第二行胆码 08 09 10，开出个数点亮 1：容错 0-0 剩 216 注（两行都符合），"),
      QStringLiteral("容错 0-1 剩 540 注（允许一行不符合）。"),
      QStringLiteral("精确前四、前五、前六的用法相同（前六有六行，开出个数 0～6）。"),
  };
  for (const QString& line : results) {
    p.drawText(30, y + 18, line);
    y += 28;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p);
  }
  QImageWriter writer(QString::fromLocal8Bit(argv[1]), "jpeg");
  writer.setQuality(90);
  writer.setProgressiveScanWrite(true);
  if (!writer.write(image)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], writer.errorString().toLocal8Bit().constData());
    return 1;
  }
  return 0;
}
