#include "selection/namesel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/level_catalogue.h"
#include "core/screen_names.h"
#include "platform/clock.h"
#include "platform/field_reader.h"
#include "platform/file_error.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"
#include "platform/pause.h"
#include "platform/process_starter.h"
#include "platform/random_source.h"
#include "selection/launcher_command.h"
#include "selection/roster_listing.h"
#include "startup/frmver.h"

namespace {
const QString kChooseName = QStringLiteral("名前を選びなさい");
const QColor kBannerColour(0, 0, 96);
const QColor kListColour(255, 255, 192);
const QColor kDefaultBackColour(224, 236, 248);
// The list has been drawn by then, and a pupil takes longer to find their name.
constexpr int kMenuAheadAfterMs = 250;

QLabel* labelOn(QWidget* parent, const QString& text, Qt::Alignment alignment = Qt::AlignCenter) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(alignment);
  return label;
}
}  // namespace

namesel::namesel(AppContext& context)
    : Screen(screens::kNameSelection),
      context_(context),
      // The menu's columns are the level catalogue's, which is the program's own and always the same.
      menuAhead_(context.navigator, screens::kStudentMenu, kMenuAheadAfterMs,
                 [&context] { fillLevelCatalogueValues(context.state); }) {
  setFont(japaneseFont());

  Label6 = labelOn(this, QString());
  setBackColour(Label6, kBannerColour);
  place(Label6, 0, 0, TwipsGeometry::kCanvasWidth, 1500);

  Label4 = labelOn(this, QString(), Qt::AlignLeft | Qt::AlignVCenter);
  Label4->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  Label4->setCursor(Qt::PointingHandCursor);
  place(Label4, 480, 120, 9000, 1260);

  Label1 = labelOn(this, kChooseName, Qt::AlignLeft | Qt::AlignVCenter);
  place(Label1, 600, 1700, 9000, 1000);
  setFontPoints(Label1, 28);

  Label2 = labelOn(this, QString());
  Label2->hide();

  List1 = new QListWidget(this);
  // Every line is one line of the same font: the list need not measure each of thousands of names.
  List1->setUniformItemSizes(true);
  List1->setFont(fixedPitchJapaneseFont());
  setBackColour(List1, kListColour);
  place(List1, 600, 2900, 9000, 8200);
  setFontPoints(List1, 14);

  Combo1 = new QComboBox(this);
  Combo1->setEditable(false);
  Combo1->setToolTip(QStringLiteral("表示する学年を選びなさい"));
  place(Combo1, 10200, 2900, 4500, 560);
  setFontPoints(Combo1, 14);
  fillGradeFilter();

  for (int i = 0; i < kDisplayModeCount; ++i) {
    Option1[std::size_t(i)] = new QRadioButton(displayModeCaption(i), this);
    place(Option1[std::size_t(i)], 10200, 3800 + i * 620, 4800, 560);
    setFontPoints(Option1[std::size_t(i)], 12);
    connect(Option1[std::size_t(i)], &QRadioButton::clicked, this, [this, i] { optionClick(i); });
  }
  Option1[std::size_t(displayMode_)]->setChecked(true);

  Command14 = new QPushButton(QStringLiteral("O.K."), this);
  place(Command14, 10200, 6600, 4500, 1200);
  setFontPoints(Command14, 24);

  Command7 = new QPushButton(QStringLiteral("学習ランチャー(0)"), this);
  place(Command7, 10200, 9900, 4500, 900);
  setFontPoints(Command7, 14);

  Picture8 = new QFrame(this);
  Picture8->setFrameShape(QFrame::Box);
  place(Picture8, 10200, 1700, 4500, 900);
  Label8 = labelOn(Picture8, QStringLiteral("開発中"));
  Label8->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
  setFontPoints(Label8, 20);
  (new QVBoxLayout(Picture8))->addWidget(Label8);
  Picture8->hide();

  // Covers the screen while the list is built and while the student menu opens.
  Picture5 = new QFrame(this);
  place(Picture5, 0, 0, TwipsGeometry::kCanvasWidth, TwipsGeometry::kCanvasHeight);
  Label19 = labelOn(Picture5, QStringLiteral("Just a moment, please."));
  setFontPoints(Label19, 28);
  (new QVBoxLayout(Picture5))->addWidget(Label19);

  connect(List1, &QListWidget::currentRowChanged, this, [this](int row) { listClick(row); });
  connect(List1, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { listClick(List1->row(item)); });
  connect(List1, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { listDoubleClick(List1->row(item)); });
  connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { gradeFilterChange(); });
  connect(Command14, &QPushButton::clicked, this, [this] { confirmChoice(); });
  connect(Command7, &QPushButton::clicked, this, [this] { startLauncher(); });

  // Number keys work wherever the focus is, before the control holding it sees them.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void namesel::onLoad() {
  AppState& state = context_.state;
  const QColor back = state.screenBackColour.isValid() ? state.screenBackColour : kDefaultBackColour;
  setBackColour(back);
  setBackColour(Picture5, back);
  Picture5->show();
  Picture5->raise();
  context_.services.random.seed(context_.services.clock.secondsSinceMidnight());
  // Up front with the wait panel while the roster is read.
  show();
  raise();
  repaint();

  名簿表示();
  Label4->setText(state.programTitle);
  setFontPoints(Label4, 48);
  List1->setCurrentRow(0);
  repaint();
  Picture5->hide();
}

void namesel::onActivate() {
  Picture8->setVisible(context_.state.altLayout == 1);
  // The filter is refilled first, so that the list and the filter agree.
  fillGradeFilter();
  context_.state.gradeFilterText = kAllGrades;
  displayMode_ = 1;
  Option1[1]->setChecked(true);
  名簿表示();
  context_.navigator.unload(screens::kStudentMenu);
  repaint();
  Label1->setText(kChooseName);
  repaint();
  Picture5->hide();
  // A pupil at the keyboard moves through the names with the arrow keys straight away.
  List1->setFocus();
  // While the pupil looks for their name, the menu is made ready behind the list.
  menuAhead_.start();
}

// Leaving other than for the menu, the menu made ready for it is not wanted.
void namesel::onUnload() { menuAhead_.cancel(); }

void namesel::fillGradeFilter() {
  const QSignalBlocker quiet(Combo1);
  Combo1->clear();
  Combo1->addItems(gradeFilterEntries());
  Combo1->setCurrentIndex(0);
}

void namesel::名簿表示() {
  listing_ = buildRosterListing(context_.state, context_.services.clock, context_.services.pause,
                                displayMode_, Combo1->currentText(), &sortKeys_);
  List1->clear();
  List1->addItems(listing_.lines);
  List1->setCurrentRow(0);
  showRosterProblem(listing_.problem);
}

void namesel::showRosterProblem(const QString& problem) {
  // The list is rebuilt on every mode and filter change; one message per problem is enough.
  if (!problem.isEmpty() && problem != lastProblemShown_)
    context_.services.boxes.inform(problem, context_.state.programTitle);
  lastProblemShown_ = problem;
}

void namesel::optionClick(int mode) {
  displayMode_ = mode;
  名簿表示();
}

void namesel::gradeFilterChange() {
  context_.state.gradeFilterText = Combo1->currentText();
  // The menu opens on the name screen's filter: one made ready with another is made again.
  menuAhead_.cancel();
  menuAhead_.start();
  名簿表示();
  List1->setFocus();
}

void namesel::listClick(int line) {
  if (line < 0) return;  // the list is being emptied
  const int pupil = pupilAtLine(line);
  if (line == 0 || pupil == 0) {
    Label1->setText(kChooseName);
    Label2->clear();
    return;
  }
  Label1->setText(List1->item(line)->text().trimmed().left(10).trimmed());
  Label2->setText(QString::number(pupil));
}

void namesel::listDoubleClick(int line) {
  listClick(line);
  // The dashes line names nobody; confirming it plays the wrong cue.
  if (pupilAtLine(line) != 0) {
    const QString text = List1->item(line)->text();
    Label1->setText(text.left(text.indexOf(u'/')).trimmed());
  }
  confirmChoice();
}

void namesel::confirmChoice() {
  // A key still queued while the menu opens must not confirm a second time.
  if (Command14->isHidden()) return;
  AppState& state = context_.state;
  const int pupil = Label2->text().toInt();
  if (Label1->text() == kChooseName || Label1->text().isEmpty() || pupil < 1 || pupil > kMaxPupil) {
    context_.cues().playWrongCue();
    return;
  }
  state.nameChosenSecond = roundToInt(context_.services.clock.secondsSinceMidnight());
  state.currentPupilNo = pupil;
  state.currentPupilName = state.pupilName[pupil];
  state.currentPupilGrade = state.pupilGrade[pupil];
  Command14->hide();
  Picture5->show();
  Picture5->raise();
  repaint();
  fillLevelCatalogue(context_);
}

void namesel::startLauncher() {
  const LauncherCommand command = launcherCommand(context_.programFolder, context_.state.altLayout);
  if (!context_.services.processes.startDetached(command.program, command.arguments))
    context_.services.boxes.inform(
        QStringLiteral("ランチャーを起動できません\n") + command.commandLine(), context_.state.programTitle);
  throw ProgramEnd(0);
}

frmver* namesel::openVersionBox() {
  auto* box = new frmver(context_.state, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  box->adjustSize();
  box->move(mapToGlobal(rect().center()) - box->rect().center());
  box->show();
  return box;
}

bool namesel::previewKey(const QString& text) {
  if (text == QStringLiteral("1") && !Command14->isHidden()) {
    confirmChoice();
    return true;
  }
  if (text == QStringLiteral("0") && !Command7->isHidden()) {
    startLauncher();
    return true;
  }
  return false;
}

bool namesel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (previewKey(key->text())) return true;
    if (watched == List1 &&
        (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      confirmChoice();
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonRelease && watched == Label4) {
    openVersionBox();
    return true;
  }
  return Screen::eventFilter(watched, event);
}
