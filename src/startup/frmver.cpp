#include "startup/frmver.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "core/app_state.h"
#include "platform/fonts.h"

QString versionText(int major, int minor, int revision) {
  return QStringLiteral("Version%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString programVersionText() {
  return versionText(KAKEDORI_VERSION_MAJOR, KAKEDORI_VERSION_MINOR, KAKEDORI_VERSION_PATCH);
}

frmver::frmver(const AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setWindowTitle(QStringLiteral("バージョン情報"));
  setFixedSize(420, 260);
  setFont(japaneseFont());

  Shape1 = new QFrame(this);
  Shape1->setFrameShape(QFrame::Box);
  Shape1->setLineWidth(2);
  Shape1->setGeometry(12, 12, 396, 170);

  auto label = [this](int top, int height, int pixelSize) {
    auto* l = new QLabel(this);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(24, top, 372, height);
    QFont font = l->font();
    font.setPixelSize(pixelSize);
    l->setFont(font);
    return l;
  };
  Label1 = label(24, 56, 32);
  Label2 = label(86, 36, 20);
  Label4 = label(128, 36, 18);

  Command1 = new QPushButton(QStringLiteral("O.K."), this);
  Command1->setGeometry(290, 200, 118, 44);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

  // A blank face on the box's frame; pressing it does nothing.
  Command2 = new QPushButton(this);
  Command2->setFlat(true);
  Command2->setGeometry(12, 200, 118, 44);
}

void frmver::showEvent(QShowEvent* event) {
  // Filled each time the box is shown, so it always tells the same as the program running.
  Label1->setText(state_.programTitle);
  Label2->setText(programVersionText());
  Label4->setText(QStringLiteral("Harukaze30"));
  QDialog::showEvent(event);
}
