#pragma once

#include <QString>

// The screens, by the names the navigator knows them under.
namespace screens {
inline const QString kSplash = QStringLiteral("Firstfrm");
inline const QString kCover = QStringLiteral("BASEFRM");
inline const QString kNameSelection = QStringLiteral("namesel");
inline const QString kStudentMenu = QStringLiteral("seisekitime1");
inline const QString kDrill = QStringLiteral("MainFrm");
inline const QString kOutcome = QStringLiteral("FrmSyuuryou");
inline const QString kRecordsBrowser = QStringLiteral("FrmData");
inline const QString kCriteriaEditor = QStringLiteral("FrmTimeData");
// The map of weak facts, as the teacher and as a pupil see it.
inline const QString kFactMap = QStringLiteral("FrmFactMap");
inline const QString kPupilFactMap = QStringLiteral("FrmFactMapPupil");
}  // namespace screens
