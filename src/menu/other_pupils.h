#pragma once

#include <QDate>
#include <QStringList>

struct AppState;

// The chart panel's list of pupils to choose from: one line per roster line with status 0,
// "小５ /  山田/12"; the pupil number is always the text after the last "/". Reading also keeps every
// roster pupil's trimmed name, birth year and grade text in the shared state, so that the charts can
// name pupils the name screen does not list. An unreadable roster gives the lines read before the
// fault, or none.
QStringList otherPupilLines(AppState& state, const QDate& today);
