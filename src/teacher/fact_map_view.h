#pragma once

#include <QPainter>
#include <QRectF>
#include <QWidget>

#include "teacher/fact_map.h"

// Draws the map into an area: a heading row of multipliers, a row per multiplicand, cells coloured by
// their speed band with the median inside and marks for wrong answers and retries, the legend below.
// The one drawing serves the screen and the printed page; sizes follow the area.
void drawFactMap(QPainter& painter, const QRectF& area, const FactMap& map, const Fact* selected = nullptr);
QColor speedBandColour(SpeedBand band);
// "11×7　回答数 12　まちがい数 2　中央値 2.3秒", with the retries when there are any.
QString factDetailText(const Fact& fact, const FactCell& cell);

// The map on screen: the arrow keys move the selected cell, the mouse shows the figures of the cell
// under it; the line under the legend gives those figures.
class FactMapView : public QWidget {
 public:
  explicit FactMapView(QWidget* parent = nullptr);

  void setMap(const FactMap& map);
  const FactMap& map() const { return map_; }

  Fact selected() const { return selected_; }
  void select(const Fact& fact);
  // The cell whose figures the line shows: the one under the mouse, else the selected one.
  Fact shownFact() const { return hovered_.multiplicand != 0 ? hovered_ : selected_; }
  QString detailText() const;
  // The cell at a point of the widget; multiplicand 0 outside the cells.
  Fact factAt(const QPointF& point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QRectF mapArea() const;
  FactMap map_;
  Fact selected_{FactMap::kFirstMultiplicand, 1};
  Fact hovered_{};
};
