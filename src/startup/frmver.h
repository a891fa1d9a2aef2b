#pragma once

#include <QDialog>

struct AppState;
class QFrame;
class QLabel;
class QPushButton;

// "Version1.0.1": the word and the three version numbers of the program, run together.
QString versionText(int major, int minor, int revision);
QString programVersionText();

// The version box: which program and which version is running. Its only action is to close.
class frmver : public QDialog {
  Q_OBJECT

 public:
  explicit frmver(const AppState& state, QWidget* parent = nullptr);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label4;
  QPushButton* Command1;
  QPushButton* Command2;
  QFrame* Shape1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const AppState& state_;
};
