#include "teacher/teacher_standin.h"

#include <QLabel>
#include <QPushButton>

#include "core/screen_names.h"
#include "platform/fonts.h"
#include "platform/navigator.h"

TeacherStandIn::TeacherStandIn(AppContext& context, const QString& name) : Screen(name), context_(context) {
  setFont(japaneseFont());
  setFontPoints(this, 12);
  auto* notice = new QLabel(QStringLiteral("この機能は準備中です"), this);
  notice->setAlignment(Qt::AlignCenter);
  place(notice, 3000, 4000, 9360, 800);
  auto* back = new QPushButton(QStringLiteral("戻る"), this);
  place(back, 6480, 6000, 2400, 600);
  QObject::connect(back, &QPushButton::clicked, this, [this] { goBack(); });
}

void TeacherStandIn::goBack() {
  context_.navigator.show(screens::kStudentMenu);
  context_.navigator.unload(name());
}
