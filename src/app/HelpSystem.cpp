#include "app/HelpSystem.h"

#include "app/HelpContext.h"
#include "app/HelpPopup.h"

#include <QCursor>
#include <QFile>
#include <QFont>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QWidget>

// Resources of a static library are registered by hand.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace kvor {

namespace {

QString ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

constexpr int TallControl = 60;

} // namespace

QPoint PopupPosition(const QRect& target, QPoint cursor) {
    if (target.height() >= TallControl) {
        const bool onTarget = cursor.x() >= target.left() && cursor.x() <= target.right() + 1 &&
                              cursor.y() >= target.top() && cursor.y() <= target.bottom() + 1;
        return onTarget
                   ? cursor
                   : QPoint(target.left() + target.width() / 2, target.top() + target.height() / 2);
    }
    return {target.left() + target.width() / 2, target.top() + (7 * target.height()) / 8};
}

QMap<int, QString> ParsePopupFile(const QString& text) {
    QMap<int, QString> popups;
    static const QRegularExpression topic(QStringLiteral("^\\.topic\\s+(\\d+)\\s*$"));
    int current = 0;
    QStringList lines;
    const auto flush = [&] {
        if (current != 0) {
            popups.insert(current, lines.join(QLatin1Char('\n')).trimmed());
        }
        lines.clear();
    };
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = topic.match(line);
        if (match.hasMatch()) {
            flush();
            current = match.captured(1).toInt();
        } else {
            lines << line;
        }
    }
    flush();
    return popups;
}

THelpSystem::THelpSystem(QObject* parent) : QObject(parent) {
    InitHelpResources();
    m_popups = ParsePopupFile(ReadResource(QStringLiteral(":/help/popups.txt")));
}

THelpSystem::~THelpSystem() {
    delete m_window.data();
    delete m_popup.data();
}

QString THelpSystem::TopicHtml(int topicId) {
    InitHelpResources();
    return ReadResource(QStringLiteral(":/help/topics/%1.html").arg(topicId));
}

QString THelpSystem::PopupText(int helpId) const {
    return m_popups.value(helpId);
}

QWidget* THelpSystem::HelpWindow() const {
    return m_window.data();
}

void THelpSystem::ShowTopic(int topicId) {
    if (m_window.isNull()) {
        // A top-level window of its own, as the help viewer has no owner window.
        m_window = new QTextBrowser;
        m_window->setObjectName("KVORHelpWindow");
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setOpenLinks(false);
        m_window->resize(640, 560);
        connect(m_window, &QTextBrowser::anchorClicked, m_window, [this](const QUrl& url) {
            const int id = url.fileName().section(QLatin1Char('.'), 0, 0).toInt();
            if (id != 0) {
                ShowTopic(id);
            }
        });
    }
    m_window->setHtml(TopicHtml(topicId));
    m_window->setWindowTitle(m_window->documentTitle().isEmpty()
                                 ? QStringLiteral("KVOR Help")
                                 : QStringLiteral("KVOR Help - ") + m_window->documentTitle());
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool THelpSystem::ShowPopup(QWidget* target, QPoint cursor) {
    while (target != nullptr && HelpContextOf(target) == 0) {
        target = target->parentWidget();
    }
    if (target == nullptr) {
        return false;
    }
    const QString text = PopupText(HelpContextOf(target));
    if (text.isEmpty()) {
        return false;
    }
    const QRect area(target->mapToGlobal(QPoint(0, 0)), target->size());
    if (m_popup.isNull()) {
        m_popup = new THelpPopup;
        m_popup->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_popup->ShowText(text, PopupPosition(area, cursor), *target);
    return true;
}

void THelpSystem::ConnectPopups(QWidget& dialog) {
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (HelpContextOf(control) == 0) {
            continue;
        }
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control] { ShowPopup(control, QCursor::pos()); });
    }
}

void THelpSystem::ClosePopup() {
    if (!m_popup.isNull()) {
        m_popup->hide();
    }
}

void THelpSystem::CloseHelpWindow() {
    if (!m_window.isNull()) {
        m_window->close();
    }
}

} // namespace kvor
