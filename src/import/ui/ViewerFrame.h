#pragma once

class QDialog;
class QPushButton;
class QWidget;

namespace kvor {

struct ViewerScroller;

struct ViewerButtons {
    QPushButton* Close;
    QPushButton* Help;
};

// Lays out a viewer: its content above Close and Help. Close closes the viewer; the keys
// pressed on the viewer or either button follow the viewers' navigation rule.
ViewerButtons LayOutViewer(QDialog& viewer, QWidget& content, ViewerScroller& scroller);

} // namespace kvor
