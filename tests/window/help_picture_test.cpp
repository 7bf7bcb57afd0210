// The explanation picture: the embedded JPEG decodes to 996 × 578, bytes
// that are no picture say why, and the dan-code help buttons open the panel
// over the page area with the picture in it.

#include "app/window/help_picture.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>

#include "../recording_port.h"
#include "app/window/main_window.h"
#include "support/resources.h"

namespace tesvik {
namespace {

using testing::RecordingPort;

TEST(HelpPicture, EmbeddedPictureIsAProgressiveJpegOf996By578) {
  const auto bytes = resource_bytes("DM");
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  EXPECT_EQ(bytes[2], 0xFF);
  EXPECT_EQ(bytes[3], 0xE0);
  bool progressive = false;  // a start-of-frame marker of the progressive kind
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    progressive = progressive || (bytes[i] == 0xFF && bytes[i + 1] == 0xC2);
  EXPECT_TRUE(progressive);
  RecordingPort port;
  const QImage picture = picture_from_bytes(bytes, port);
  EXPECT_EQ(picture.size(), QSize(996, 578));
  EXPECT_TRUE(port.events.empty());
}

TEST(HelpPicture, NoBytesSayTheArrayIsEmpty) {
  RecordingPort port;
  EXPECT_TRUE(picture_from_bytes({}, port).isNull());
  EXPECT_EQ(port.events, std::vector<std::string>{"message 温馨提示 函数提供的是空数组!"});
}

TEST(HelpPicture, BytesThatAreNoPictureGiveTheErrorNumberAndDescription) {
  RecordingPort port;
  const std::string text = "[**q3杀直选**] no picture";
  EXPECT_TRUE(picture_from_bytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, port).isNull());
  ASSERT_EQ(port.events.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(port.events[0]).contains(QRegularExpression("^message 温馨提示 \\d+ - \\S")))
      << port.events[0];
  // A JPEG cut short after its header is no picture either.
  const auto dm = resource_bytes("DM");
  port.events.clear();
  EXPECT_TRUE(picture_from_bytes(dm.first(20), port).isNull());
  ASSERT_EQ(port.events.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(port.events[0]).contains(QRegularExpression("^message 温馨提示 \\d+ - \\S")))
      << port.events[0];
}

class HelpPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(1200, 800);
    window.show();
    window.app().start_without_window();
    window.sync();
  }
  QWidget* panel() { return window.findChild<QWidget*>("Pic_dmsm"); }
  void click(int shuoming) {
    auto* b = qobject_cast<QPushButton*>(window.bindings().widget({Ctl::C_shuoming, shuoming}));
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
  }

  RecordingPort port;
  MainWindow window{port};
};

TEST_F(HelpPanel, DanHelpButtonsOpenThePictureOverThePageArea) {
  ASSERT_NE(panel(), nullptr);
  EXPECT_FALSE(panel()->isVisible());
  for (int i : {6, 25, 47}) {
    window.app().click({Ctl::C_ding, i == 6 ? 0 : i == 25 ? 1 : 2});
    window.sync();
    click(i);
    ASSERT_TRUE(panel()->isVisible()) << i;
    EXPECT_EQ(panel()->geometry(), window.page_scroll()->geometry());
    const auto* image = panel()->findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), QSize(996, 578));
    click(60);
    EXPECT_FALSE(panel()->isVisible()) << i;
  }
  EXPECT_TRUE(port.events.empty());
}

}  // namespace
}  // namespace tesvik
