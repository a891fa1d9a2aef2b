#pragma once

#include <QString>

// This computer's own data folder of the program for the current user (ends in the separator).
QString localDataFolder();
