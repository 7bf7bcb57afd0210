#include "app/window/help_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <string>

#include "app/page_context.h"
#include "app/window/bindings.h"
#include "support/resources.h"

namespace tesvik {

QImage picture_from_bytes(std::span<const std::uint8_t> bytes, UserPort& port) {
  if (bytes.empty()) {
    port.message(kNoticeTitle, "函数提供的是空数组!");
    return {};
  }
  // The reader works on the bytes in place; they outlive it.
  QByteArray data =
      QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  QImage image = reader.read();
  if (image.isNull()) {
    const std::string text =
        std::to_string(static_cast<int>(reader.error())) + " - " + reader.errorString().toStdString();
    port.message(kNoticeTitle, text);
  }
  return image;
}

HelpPicturePanel::HelpPicturePanel(Bindings& bindings, UserPort& port, QWidget* parent) : QFrame(parent), port_(port) {
  setObjectName("Pic_dmsm");
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* top = new QHBoxLayout;
  top->addStretch();
  QPushButton* close = bindings.button({Ctl::C_shuoming, 60}, this);
  top->addWidget(close);
  // Escape anywhere in the window closes the panel while it is shown.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, close, &QPushButton::click);
  layout->addLayout(top);
  // A page area smaller than the picture scrolls it.
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setAlignment(Qt::AlignCenter);
  image_ = new QLabel(scroll);
  image_->setObjectName("Image1");
  scroll->setWidget(image_);
  layout->addWidget(scroll, 1);
  hide();
}

void HelpPicturePanel::load() {
  const QImage picture = picture_from_bytes(resource_bytes("DM"), port_);
  image_->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
  image_->adjustSize();
}

}  // namespace tesvik
