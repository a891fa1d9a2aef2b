#include "app/screen_registry.h"

#include <memory>

#include "core/app_context.h"
#include "core/screen_names.h"
#include "drill/main_frm.h"
#include "menu/ranking_memo.h"
#include "menu/seisekitime1.h"
#include "outcome/frm_syuuryou.h"
#include "platform/navigator.h"
#include "selection/namesel.h"
#include "startup/basefrm.h"
#include "startup/firstfrm.h"
#include "teacher/frm_data.h"
#include "teacher/frm_fact_map.h"
#include "teacher/frm_time_data.h"

namespace {
template <class ScreenClass>
void registerWithContext(AppContext& context, const QString& name) {
  context.navigator.registerScreen(name, [&context] { return std::make_unique<ScreenClass>(context); });
}
}  // namespace

void registerScreens(AppContext& context) {
  registerWithContext<Firstfrm>(context, screens::kSplash);
  context.navigator.registerScreen(screens::kCover, [] { return std::make_unique<BASEFRM>(); });
  registerWithContext<namesel>(context, screens::kNameSelection);
  // The menu is made afresh at every visit; its rankings are kept for the next one.
  auto rankings = std::make_shared<RankingMemo>();
  context.navigator.registerScreen(screens::kStudentMenu, [&context, rankings] {
    return std::make_unique<seisekitime1>(context, rankings.get());
  });
  registerWithContext<MainFrm>(context, screens::kDrill);
  registerWithContext<FrmSyuuryou>(context, screens::kOutcome);
  registerWithContext<FrmTimeData>(context, screens::kCriteriaEditor);
  registerWithContext<FrmData>(context, screens::kRecordsBrowser);
  context.navigator.registerScreen(screens::kFactMap, [&context] {
    return std::make_unique<FrmFactMap>(context, FrmFactMap::Audience::Teacher);
  });
  context.navigator.registerScreen(screens::kPupilFactMap, [&context] {
    return std::make_unique<FrmFactMap>(context, FrmFactMap::Audience::Pupil);
  });
}
