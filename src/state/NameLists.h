#pragma once

#include <QStringView>

namespace fw {

// The built-in given names, one text per sex, each name followed by a comma.
QStringView femaleNameList();
QStringView maleNameList();

} // namespace fw
