#pragma once

#include <QWidget>

namespace tw {

// A horizontal line with an arrowhead at its right end, pointing from an
// option to its explanation panel.
class TArrowLine : public QWidget {
  Q_OBJECT
 public:
  explicit TArrowLine(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tw
