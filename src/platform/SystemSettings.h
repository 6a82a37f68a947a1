#pragma once

#include <QChar>
#include <QObject>
#include <QSize>
#include <QString>

namespace kvor {

// The system settings the window follows while it runs: the decimal separator, the short date
// format and the screen size. Changed() tells the window to reconcile its texts.
class SystemSettings : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual QChar DecimalSeparator() const = 0;
    virtual QString ShortDateFormat() const = 0;
    virtual QSize ScreenSize() const = 0;

signals:
    void Changed();
};

// Reads QLocale::system() and the primary screen; reports locale and screen changes.
class QtSystemSettings final : public SystemSettings {
    Q_OBJECT

public:
    explicit QtSystemSettings(QObject* parent = nullptr);

    QChar DecimalSeparator() const override;
    QString ShortDateFormat() const override;
    QSize ScreenSize() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Settings a test sets and changes while the window runs.
class ScriptedSystemSettings final : public SystemSettings {
    Q_OBJECT

public:
    using SystemSettings::SystemSettings;

    QChar DecimalSeparator() const override { return m_separator; }
    QString ShortDateFormat() const override { return m_dateFormat; }
    QSize ScreenSize() const override { return m_screen; }

    void SetDecimalSeparator(QChar separator);
    void SetShortDateFormat(const QString& format);
    void SetScreenSize(QSize size);

private:
    QChar m_separator = QLatin1Char('.');
    QString m_dateFormat = QStringLiteral("dd/MM/yyyy");
    QSize m_screen{1920, 1080};
};

} // namespace kvor
