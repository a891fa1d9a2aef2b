#pragma once

#include <QFont>

// A fixed-pitch Japanese font in which a full-width character takes two columns, so that list
// columns built from padded pieces line up.
QFont fixedPitchJapaneseFont();
// The proportional Japanese font used for labels and buttons.
QFont japaneseFont();
