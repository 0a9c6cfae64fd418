// Laying out controls with an Align along the edges of their parent, in the
// order top, bottom, left, right, client. Internal to the toolkit.
#pragma once

class QWidget;

namespace pictor {

// Lays out the aligned children of parent now, and again whenever the parent
// is resized.
void AlignChildren(QWidget* parent);

}  // namespace pictor
