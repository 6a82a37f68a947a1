#pragma once

#include <QImage>

class QWidget;

namespace kvor {

class MainContext;
class TStudyTab;

// The main window's client area as shown: background colour first, then its contents.
QImage WindowImage(QWidget& window);

// The lower buttons of both tabs; `tab` is the visible tab whose button was clicked.
void ACopyButtonClick(TStudyTab& tab, MainContext& context);
void APrintSetupButtonClick(TStudyTab& tab, MainContext& context);
void APrintButtonClick(TStudyTab& tab, MainContext& context);

} // namespace kvor
