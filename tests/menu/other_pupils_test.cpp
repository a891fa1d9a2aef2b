#include <gtest/gtest.h>

#include <memory>

#include "core/app_state.h"
#include "menu/other_pupils.h"
#include "support/qstring_printer.h"
#include "support/temp_installation.h"

namespace {
struct OtherPupils {
  TempInstallation installation;
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
  OtherPupils() {
    state->dataRoot = installation.dataRoot();
    state->schoolYearStartMonth = Value(4);
  }
};
}  // namespace

TEST(OtherPupils, ListsThePupilsOfStatusZeroWithTheGradeOfTheNameScreen) {
  OtherPupils f;
  f.installation.writeRoster({u"12,1998,0,0,\"  山田  \",0,\"\",\"\""_qs, u"7,2002,0,0,\"佐藤\",0,\"\",\"\""_qs,
                              u"8,2003,0,0,\"休会中\",1,\"\",\"\""_qs, u"0,2003,0,0,\"番号なし\",0,\"\",\"\""_qs});
  // Before the school year's start month the grade is that of the year before, as on the name
  // screen: 2002 is 小１ in March 2010 and 小２ from April.
  EXPECT_EQ(otherPupilLines(*f.state, QDate(2010, 3, 10)),
            (QStringList{u"小５ /  山田/12"_qs, u"小１ /  佐藤/7"_qs}));
  EXPECT_EQ(otherPupilLines(*f.state, QDate(2010, 4, 10)),
            (QStringList{u"小６ /  山田/12"_qs, u"小２ /  佐藤/7"_qs}));
  // Pupils the list leaves out are still named for the charts.
  EXPECT_EQ(f.state->pupilName[8], u"休会中"_qs);
  EXPECT_EQ(f.state->pupilBirthYear[8], 2003);
}

TEST(OtherPupils, AMissingOrUnreadableRosterGivesNoneAndAShortLineItsEmptyFields) {
  OtherPupils f;
  f.installation.remove(u"data/新名簿.txt"_qs);
  EXPECT_TRUE(otherPupilLines(*f.state, QDate(2010, 4, 10)).isEmpty());
  f.installation.writeBytes(u"data/新名簿.txt"_qs, QByteArray("\xFF\xFE" "1\0,\0", 6));  // UTF-16
  EXPECT_TRUE(otherPupilLines(*f.state, QDate(2010, 4, 10)).isEmpty());
  f.installation.writeRoster({u"12,2002,0,0,\"山田\",0,\"\",\"\""_qs, u"13,2002,0,0"_qs});
  EXPECT_EQ(otherPupilLines(*f.state, QDate(2010, 4, 10)), (QStringList{u"小２ /  山田/12"_qs, u"小２ /  /13"_qs}));
}
