#pragma once

class QWidget;

namespace fw {

// Sets the Tab key's order over the controls of `page` as its layouts place
// them: boxes in their order, grids row by row and left to right, a frame's
// controls together. Controls hidden or disabled now keep their place for
// when they are shown.
void followLayoutInTabOrder(QWidget *page);

} // namespace fw
