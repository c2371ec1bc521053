#pragma once

#include <QAbstractButton>

namespace arvan {

// A command button drawn flat in its background colour, its caption centred
// and wrapped onto as many lines as it needs.
class FlatButton : public QAbstractButton {
 public:
  using QAbstractButton::QAbstractButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace arvan
