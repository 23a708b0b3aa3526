#pragma once

#include <QStringView>

namespace fw {

// The built-in given names, one text per sex, each name followed by a comma.
QStringView femaleNameList();
QStringView maleNameList();
// The same names, in the same order, in Latin letters.
QStringView femaleLatinNameList();
QStringView maleLatinNameList();

// Whether new automatic names are written in Latin letters: when the user
// interface is not Japanese (its translation says so).
bool namesInLatinLetters();

} // namespace fw
