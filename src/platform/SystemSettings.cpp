#include "platform/SystemSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

namespace kvor {

QtSystemSettings::QtSystemSettings(QObject* parent) : SystemSettings(parent) {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        connect(screen, &QScreen::geometryChanged, this, &SystemSettings::Changed);
    }
}

QChar QtSystemSettings::DecimalSeparator() const {
    const QString separator = QLocale::system().decimalPoint();
    return separator.isEmpty() ? QLatin1Char('.') : separator.front();
}

QString QtSystemSettings::ShortDateFormat() const {
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

QSize QtSystemSettings::ScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize();
}

bool QtSystemSettings::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LocaleChange) {
        emit Changed();
    }
    return SystemSettings::eventFilter(watched, event);
}

void ScriptedSystemSettings::SetDecimalSeparator(QChar separator) {
    m_separator = separator;
    emit Changed();
}

void ScriptedSystemSettings::SetShortDateFormat(const QString& format) {
    m_dateFormat = format;
    emit Changed();
}

void ScriptedSystemSettings::SetScreenSize(QSize size) {
    m_screen = size;
    emit Changed();
}

} // namespace kvor
