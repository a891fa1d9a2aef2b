#include "teacher/frm_data.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "core/app_state.h"
#include "core/results_file.h"
#include "core/screen_names.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"
#include "teacher/csv_export.h"
#include "teacher/records_csv.h"

namespace {
constexpr int kBandHeight = 1300;
constexpr int kSpinnerMaximum = 6000;
const QColor kListColour(255, 255, 192);
const QColor kEditPanelColour(255, 192, 208);
const QColor kBackPanelColour(255, 160, 64);
const QColor kCurtainColour(0, 128, 0);
}  // namespace

FrmData::FrmData(AppContext& context) : Screen(screens::kRecordsBrowser), context_(context) {
  setFont(japaneseFont());
  const AppState& state = context_.state;
  setBackColour(state.screenBackColour.isValid() ? state.screenBackColour : QColor(224, 236, 224));

  List1 = new QListView(this);
  List1->setModel(&listModel);
  List1->setUniformItemSizes(true);  // a hundred thousand lines cost what is on screen
  List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List1->setSelectionMode(QAbstractItemView::SingleSelection);
  List1->setFont(fixedPitchJapaneseFont());
  setBackColour(List1, kListColour);
  place(List1, 0, kBandHeight, TwipsGeometry::kCanvasWidth, TwipsGeometry::kCanvasHeight - kBandHeight);
  setFontPoints(List1, 18);
  QObject::connect(List1, &QListView::clicked, this, [this] { closeEditPanel(); });
  QObject::connect(List1, &QListView::doubleClicked, this,
                   [this](const QModelIndex& index) { openRecord(index.row()); });

  Label5 = new QLabel(QStringLiteral("ダブルクリックすると変更、消去できます"), this);
  place(Label5, 360, 360, 9000, 600);
  setFontPoints(Label5, 14);

  Picture10 = new QWidget(this);
  setBackColour(Picture10, kBackPanelColour);
  place(Picture10, 12840, 150, 2400, 1000);
  Command4 = new QPushButton(QStringLiteral("戻る"), Picture10);
  place(Command4, 240, 180, 1920, 640);
  setFontPoints(Command4, 14);
  QObject::connect(Command4, &QPushButton::clicked, this, [this] { goBack(); });
  Command7 = new QPushButton(QStringLiteral("CSVで保存"), this);
  place(Command7, 10200, 330, 2400, 640);
  setFontPoints(Command7, 14);
  QObject::connect(Command7, &QPushButton::clicked, this, [this] { saveCsv(); });

  Picture3 = new QWidget(this);
  setBackColour(Picture3, kEditPanelColour);
  place(Picture3, 0, 0, TwipsGeometry::kCanvasWidth, kBandHeight);
  auto label = [this](const QRect& twips) {
    auto* l = new QLabel(Picture3);
    l->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    place(l, twips);
    setFontPoints(l, 14);
    return l;
  };
  Label2[1] = label(QRect(180, 350, 1400, 600));
  Label2[2] = label(QRect(1600, 350, 2000, 600));
  Label2[4] = label(QRect(3700, 350, 900, 600));
  Label1 = label(QRect(4700, 60, 2400, 520));
  Combo1 = new QComboBox(Picture3);
  Combo1->setEditable(true);
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  Combo1->setMaxVisibleItems(20);
  place(Combo1, 4700, 620, 4200, 560);
  setFontPoints(Combo1, 14);
  QObject::connect(Combo1, &QComboBox::activated, this, [this] { showPupilGrade(); });

  Text1[1] = new QLineEdit(Picture3);
  Text1[1]->setAlignment(Qt::AlignRight);
  place(Text1[1], 9100, 370, 1300, 560);
  setFontPoints(Text1[1], 14);
  VScroll1 = new QScrollBar(Qt::Vertical, Picture3);
  VScroll1->setRange(0, kSpinnerMaximum);
  place(VScroll1, 10420, 190, 300, 920);
  QObject::connect(VScroll1, &QScrollBar::valueChanged, this,
                   [this](int value) { Text1[1]->setText(QString::number(value)); });
  Label2[0] = label(QRect(10800, 350, 500, 600));
  Label2[0]->setText(QStringLiteral("秒"));

  auto button = [this](const QString& caption, const QRect& twips) {
    auto* b = new QPushButton(caption, Picture3);
    place(b, twips);
    setFontPoints(b, 14);
    return b;
  };
  Command6 = button(QStringLiteral("キャンセル"), QRect(11500, 340, 1500, 620));
  Command3 = button(QStringLiteral("消去"), QRect(13200, 60, 2000, 560));
  Command2 = button(QStringLiteral("変更して記録"), QRect(13200, 680, 2000, 560));
  Command3->setEnabled(false);
  Command2->setEnabled(false);
  QObject::connect(Command6, &QPushButton::clicked, this, [this] { closeEditPanel(); });
  QObject::connect(Command3, &QPushButton::clicked, this, [this] { deleteOpenedRecord(); });
  QObject::connect(Command2, &QPushButton::clicked, this, [this] { changeAndRecord(); });
  Picture3->hide();

  Picture1 = new QWidget(this);
  setBackColour(Picture1, kCurtainColour);
  Picture1->hide();
}

void FrmData::onLoad() {
  place(Picture1, 0, 0, TwipsGeometry::kCanvasWidth, TwipsGeometry::kCanvasHeight);
  List1->show();
  listRecords();
}

void FrmData::listRecords() {
  listModel.setListing(::listRecords(context_.state, context_.services.clock, context_.services.pause));
  const RosterNames& names = listModel.listing().names();
  Combo1->clear();
  Combo1->addItems(names.pupilChoices);
  if (!names.problem.isEmpty() && !rosterProblemTold_) {
    rosterProblemTold_ = true;
    context_.services.boxes.inform(names.problem, context_.state.programTitle);
  }
}

void FrmData::openRecord(int line) {
  const RecordsListing& listing = listModel.listing();
  if (line < 0 || line >= listing.count()) return;
  const ResultRecord& record = listing.recordAt(line);
  opened_ = OpenedRecord{listing.recordNoAt(line), record.encode()};
  openedLine_ = line;
  Label1->setText(QString::number(opened_.recordNo));
  Command3->setEnabled(true);
  Command2->setEnabled(true);

  Label2[1]->setText(QStringLiteral("ﾚﾍﾞﾙ") + QString::number(record.level));
  Label2[2]->setText(listDateText(record.date));
  Label2[4]->setText(listing.names().gradeOf(record.pupilNo).trimmed());
  Text1[1]->setText(QString::number(record.runTime));
  {
    // A time-out holds 99999: the box keeps the true time, the spinner rests at its end.
    const QSignalBlocker keepTheTrueTime(VScroll1);
    VScroll1->setValue(std::clamp(record.runTime, 0, kSpinnerMaximum));
  }
  Combo1->setEditText(pupilChoiceText(record.pupilNo, listing.names()));
  Picture3->show();
  Picture3->raise();
}

void FrmData::closeEditPanel() { Picture3->hide(); }

void FrmData::showPupilGrade() {
  const QString text = Combo1->currentText();
  const int pupilNo = text.left(text.indexOf(u'/')).trimmed().toInt();
  Label2[4]->setText(listModel.listing().names().gradeOf(pupilNo).trimmed());
}

void FrmData::changeAndRecord() {
  const std::optional<Correction> correction = parseCorrection(Combo1->currentText(), Text1[1]->text());
  if (!correction) {
    context_.services.boxes.inform(kBadCorrectionText, context_.state.programTitle);
    return;
  }
  const EditResult result = correctRecord(context_.state, opened_, *correction);
  if (result != EditResult::Done) return explain(result);
  listRecords();
  selectAfterChange(listModel.listing().lineOf(opened_.recordNo));
}

void FrmData::deleteOpenedRecord() {
  if (!context_.services.boxes.confirm(QStringLiteral("本当に消去しますか"), QStringLiteral("注意"))) return;
  const EditResult result = deleteRecord(context_.state, opened_);
  if (result != EditResult::Done) return explain(result);
  listRecords();
  // The line of the deleted record now holds the one that followed it.
  selectAfterChange(std::min(openedLine_, listModel.listing().count() - 1));
}

void FrmData::selectAfterChange(int line) {
  if (line >= 0) {
    const QModelIndex index = listModel.index(line);
    List1->setCurrentIndex(index);
    List1->scrollTo(index);
  }
  closeEditPanel();
}

void FrmData::explain(EditResult result) {
  const QString title = context_.state.programTitle;
  if (result == EditResult::CopyLeftOver) {
    context_.services.boxes.inform(leftoverCopyNotice(context_.state), title);
    return;
  }
  context_.services.boxes.inform(
      QStringLiteral("この記録は、ほかのコンピュータで変更または消去されました。記録は変えていません。\n"
                     "一覧を読み直したので、もう一度選んで下さい。"),
      title);
  listRecords();
  closeEditPanel();
}

void FrmData::goBack() {
  Picture1->show();
  Picture1->raise();
  context_.navigator.show(screens::kStudentMenu);
  context_.navigator.unload(name());
}

void FrmData::saveCsv() {
  exportCsv(context_, this, recordsCsv(listModel.listing(), context_.state), QStringLiteral("成績一覧"));
}
