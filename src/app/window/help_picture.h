#pragma once
// Pic_dmsm: the explanation picture of the dan-code blocks laid over the
// page area, its picture Image1 and its "关闭" button (C_shuoming 60). The
// picture is read from the program's resource "DM" each time the panel
// opens; what cannot be read leaves Image1 empty and says why. Escape
// closes the panel as its button does.

#include <QFrame>
#include <QImage>
#include <cstdint>
#include <span>

#include "support/user_port.h"

class QLabel;

namespace tesvik {

class Bindings;

// The picture in bytes, or a null image after a message: "函数提供的是空数组!"
// for no bytes, the reader's error number, " - " and its description for
// bytes that are no picture.
QImage picture_from_bytes(std::span<const std::uint8_t> bytes, UserPort& port);

class HelpPicturePanel : public QFrame {
 public:
  HelpPicturePanel(Bindings& bindings, UserPort& port, QWidget* parent);
  // Reads the picture into Image1 (empty when it cannot be read).
  void load();
  QLabel* image() const { return image_; }

 private:
  UserPort& port_;
  QLabel* image_ = nullptr;
};

}  // namespace tesvik
