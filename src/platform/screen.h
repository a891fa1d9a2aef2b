#pragma once

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include "platform/twips.h"

// One full-screen screen of the program. The navigator calls its hooks: load once when it is
// created, activate every time it is shown, unload before it is destroyed.
class Screen : public QWidget {
 public:
  explicit Screen(QString name, QWidget* parent = nullptr);

  const QString& name() const { return name_; }

  virtual void onLoad() {}
  virtual void onActivate() {}
  virtual void onUnload() {}

  // Places a control in twips of the design canvas; it follows when the screen is resized.
  void place(QWidget* widget, int left, int top, int width, int height);
  void place(QWidget* widget, const QRect& twips) { place(widget, twips.left(), twips.top(), twips.width(), twips.height()); }
  QRect placement(QWidget* widget) const;
  // Sets a font size given in points on the design canvas.
  void setFontPoints(QWidget* widget, double points);
  void setBackColour(QWidget* widget, const QColor& colour);
  void setBackColour(const QColor& colour) { setBackColour(this, colour); }

  const TwipsGeometry& geometryScale() const { return geometry_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void apply(QWidget* widget);

  QString name_;
  TwipsGeometry geometry_;
  struct Placed {
    QPointer<QWidget> widget;
    QRect twips;
    double points = 0;
  };
  QHash<QWidget*, Placed> placed_;
};
