#include "import/ui/TKVORImportXY.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "app/MainContext.h"
#include "import/TextFileReader.h"
#include "import/ui/DataViewerOpening.h"
#include "import/ui/DialogHelp.h"
#include "import/ui/ImportDialogTexts.h"
#include "platform/MessageService.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvor {

namespace T = ImportDialogTexts;

namespace {

QString OpenFileDialog(QWidget* parent, const QString& title, const QString& start,
                       const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, start, filter, nullptr,
                                        QFileDialog::DontResolveSymlinks);
}

bool IsPlainKey(const QKeyEvent& key) {
    return (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
}

bool IsEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

TKVORImportXY::TKVORImportXY(const DialogServices& services, ImportedData& buffer, ImportKind kind,
                             QWidget* parent)
    : TImportDialog(services, buffer, kind, ImportSource::File, parent),
      m_chooseFile(OpenFileDialog) {
    using namespace ControlFactory;
    setObjectName("KVORImportXY");
    setWindowTitle(T::ImportXYCaption);
    MakeFixedHelpDialog(*this);

    auto* nameLabel = Label(this, "FileLabel", T::FileNameLabel);
    m_fileEdit = new QLineEdit(this);
    m_fileEdit->setObjectName("FileEdit");
    m_fileEdit->setMaxLength(250);
    SetHelpContext(m_fileEdit, 610);
    nameLabel->setBuddy(m_fileEdit);
    m_browseButton = Button(this, "BrowseButton", T::Browse, 612);
    m_viewButton = Button(this, "ViewButton", T::ViewFile, 614);

    auto* group = new QGroupBox(T::SeparatorGroup, this);
    group->setObjectName("SeparatorGroupBox");
    m_commaRadio = Radio(group, "CommaRadioButton", T::Comma, 616);
    m_tabRadio = Radio(group, "TabRadioButton", T::Tab, 618);
    m_spaceRadio = Radio(group, "SpaceRadioButton", T::Space, 620);
    m_otherRadio = Radio(group, "SOtherRadioButton", T::Other, 622);
    Exclusive(this, {m_commaRadio, m_tabRadio, m_spaceRadio, m_otherRadio});
    m_separatorEdit = new QLineEdit(group);
    m_separatorEdit->setObjectName("SeparatorEdit");
    m_separatorEdit->setMaxLength(1);
    m_separatorEdit->setFocusPolicy(Qt::ClickFocus);
    m_separatorEdit->setFixedWidth(m_separatorEdit->fontMetrics().horizontalAdvance("WW") + 12);
    SetHelpContext(m_separatorEdit, 624);

    m_importButton = Button(this, "ImportButton", T::ReadPairs, 626);
    m_okButton = Button(this, "OKButton", T::Ok, 628);
    m_cancelButton = Button(this, "CancelButton", T::Cancel, 630);
    m_helpButton = Button(this, "HelpButton", T::Help, 632);

    auto* separators = new QHBoxLayout(group);
    for (QWidget* w : std::initializer_list<QWidget*>{m_commaRadio, m_tabRadio, m_spaceRadio,
                                                      m_otherRadio, m_separatorEdit}) {
        separators->addWidget(w);
    }
    separators->addStretch(1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_fileEdit, 1);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addStretch(1);
    fileButtons->addWidget(m_browseButton);
    fileButtons->addWidget(m_viewButton);
    auto* readRow = new QHBoxLayout;
    readRow->addWidget(m_importButton);
    readRow->addWidget(m_importPanel, 1);
    auto* lower = new QHBoxLayout;
    lower->addStretch(1);
    for (QPushButton* b : {m_okButton, m_cancelButton, m_helpButton}) {
        lower->addWidget(b);
    }
    auto* sheet = new QVBoxLayout(this);
    sheet->addLayout(nameRow);
    sheet->addLayout(fileButtons);
    sheet->addWidget(group);
    sheet->addLayout(readRow);
    sheet->addLayout(lower);
    m_importPanel->setMinimumWidth(m_importPanel->fontMetrics().horizontalAdvance(
                                       " 1000000 lines read from file;  Checking data . . .") +
                                   12);

    m_commaRadio->setChecked(true);
    m_separatorEdit->setEnabled(false);
    for (QPushButton* b : {m_viewButton, m_importButton, m_okButton}) {
        b->setEnabled(false);
    }
    if (DecimalSeparator() == ',') {
        m_commaRadio->setEnabled(false);
        m_tabRadio->setChecked(true);
    }

    connect(m_fileEdit, &QLineEdit::textChanged, this, &TKVORImportXY::FileEditChange);
    connect(m_browseButton, &QPushButton::clicked, this, &TKVORImportXY::BrowseButtonClick);
    connect(m_viewButton, &QPushButton::clicked, this, &TKVORImportXY::ViewButtonClick);
    connect(m_importButton, &QPushButton::clicked, this, &TKVORImportXY::ImportButtonClick);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton* b : {m_commaRadio, m_tabRadio, m_spaceRadio, m_otherRadio}) {
        connect(b, &QRadioButton::toggled, this, [this, b](bool checked) {
            if (checked) {
                SeparatorEntered(b);
            }
        });
    }
    // Pasted text obeys the same rules as typed keys.
    connect(m_separatorEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty() && !IsAllowedOtherSeparator(text.toStdString())) {
            m_services.Context.Messages().MessageBeep();
            m_separatorEdit->clear();
        }
    });
    for (QWidget* w : {static_cast<QWidget*>(m_fileEdit), static_cast<QWidget*>(m_separatorEdit)}) {
        w->installEventFilter(this);
    }
    InstallDialogHelp(*this, m_services, *m_helpButton, 600);
    setFixedSize(sizeHint());
    m_fileEdit->setFocus(Qt::OtherFocusReason);
}

char TKVORImportXY::DecimalSeparator() const {
    return m_services.Context.SeparatorChar();
}

QString TKVORImportXY::ExpandedName() const {
    const QString name = m_fileEdit->text().trimmed();
    return name.isEmpty() ? QString() : QFileInfo(name).absoluteFilePath();
}

FieldSeparator TKVORImportXY::Separator() const {
    if (m_otherRadio->isChecked()) {
        return {SeparatorChoice::Other, m_separatorEdit->text().toStdString()};
    }
    if (m_tabRadio->isChecked()) {
        return {SeparatorChoice::Tab, {}};
    }
    return {m_spaceRadio->isChecked() ? SeparatorChoice::Space : SeparatorChoice::Comma, {}};
}

void TKVORImportXY::FileEditChange() {
    m_importPanel->clear();
    m_buffer.Count = 0;
    const QString name = ExpandedName();
    const bool exists = !name.isEmpty() && QFileInfo(name).isFile();
    m_viewButton->setEnabled(exists);
    m_importButton->setEnabled(exists);
    m_okButton->setEnabled(false);
}

void TKVORImportXY::BrowseButtonClick() {
    const QString name = ExpandedName();
    const QString start =
        !name.isEmpty() && QFileInfo(name).isFile() ? name : m_services.Context.HomeFolder();
    const QString chosen = m_chooseFile(this, T::SelectFileTitle, start, T::SelectFileFilter);
    if (!chosen.isEmpty()) {
        m_fileEdit->setText(QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath()));
    }
    m_browseButton->setFocus(Qt::OtherFocusReason);
}

void TKVORImportXY::ImportButtonClick() {
    const std::string name = m_fileEdit->text().trimmed().toStdString();
    std::variant<std::string, ImportRefusal> path = CheckImportFile(name);
    if (auto* refusal = std::get_if<ImportRefusal>(&path)) {
        RefuseAtOnce(*refusal);
        return;
    }
    const char decimal = DecimalSeparator();
    std::variant<std::string, ImportRefusal> cut = ResolveFieldSeparator(Separator(), decimal);
    if (auto* refusal = std::get_if<ImportRefusal>(&cut)) {
        RefuseAtOnce(*refusal);
        return;
    }
    std::string expanded = std::get<std::string>(path);
    m_okButton->setEnabled(false);
    RunImport(
        [expanded] { return LoadTextFileLines(expanded); },
        [this, expanded, separator = std::get<std::string>(cut), decimal](const TextLines& lines) {
            ImportResult result = CheckImportLines(lines, separator, decimal, Kind(),
                                                   ImportSource::File, true, m_buffer);
            if (result.Accepted()) {
                result.SourcePath = expanded;
            }
            return result;
        });
}

void TKVORImportXY::ImportRefused(const ImportRefusal& refusal, bool readFailed) {
    switch (refusal.Reason) {
    case ImportRefusalReason::CommaSeparatorInvalid:
        m_tabRadio->setChecked(true);
        m_commaRadio->setEnabled(false);
        m_tabRadio->setFocus(Qt::OtherFocusReason);
        return;
    case ImportRefusalReason::OtherSeparatorEmpty:
        m_otherRadio->setFocus(Qt::OtherFocusReason);
        return;
    case ImportRefusalReason::NoPairs:
        m_viewButton->setFocus(Qt::OtherFocusReason);
        return;
    case ImportRefusalReason::FileNotRead:
        m_importButton->setFocus(Qt::OtherFocusReason);
        return;
    case ImportRefusalReason::FileUnreadable:
        (readFailed ? static_cast<QWidget*>(m_importButton) : m_fileEdit)
            ->setFocus(Qt::OtherFocusReason);
        return;
    default:
        m_fileEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void TKVORImportXY::ViewButtonClick() {
    std::variant<std::string, ImportRefusal> path =
        CheckImportFile(m_fileEdit->text().trimmed().toStdString());
    if (auto* refusal = std::get_if<ImportRefusal>(&path)) {
        ShowRefusal(*refusal);
        m_fileEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const FileViewOutcome outcome =
        OpenFileViewer(m_services, QString::fromStdString(std::get<std::string>(path)), this);
    if (outcome == FileViewOutcome::NoLine) {
        Tell(ImportBox::Error, T::ViewFileNotRead);
        m_viewButton->setFocus(Qt::OtherFocusReason);
    } else if (outcome == FileViewOutcome::Unreadable) {
        Tell(ImportBox::Error, T::ViewFileLoadFailed);
        m_fileEdit->setFocus(Qt::OtherFocusReason);
    }
}

void TKVORImportXY::SeparatorEntered(QRadioButton* button) {
    if (button == m_otherRadio) {
        m_separatorEdit->setEnabled(true);
        m_separatorEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_separatorEdit->clear();
    m_separatorEdit->setEnabled(false);
}

void TKVORImportXY::CloseOtherAndCheck(QRadioButton* button) {
    m_separatorEdit->clear();
    m_separatorEdit->setEnabled(false);
    button->setChecked(true);
    button->setFocus(Qt::OtherFocusReason);
}

bool TKVORImportXY::DialogKey(const QKeyEvent& key) {
    const bool ctrlO = key.key() == Qt::Key_O && (key.modifiers() & Qt::ControlModifier) != 0;
    if (IsEnter(key) || ctrlO) {
        if (m_okButton->isEnabled()) {
            m_okButton->click();
        }
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        m_cancelButton->click();
        return true;
    }
    return false;
}

bool TKVORImportXY::SeparatorEditKey(const QKeyEvent& key) {
    if (DialogKey(key)) {
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        CloseOtherAndCheck(m_commaRadio->isEnabled() ? m_commaRadio : m_tabRadio);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        CloseOtherAndCheck(m_spaceRadio);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        m_services.Context.Messages().MessageBeep();
        return true;
    default:
        break;
    }
    const QString typed = key.text();
    if (!typed.isEmpty() && IsPlainKey(key) && typed.at(0).isPrint() &&
        !IsAllowedOtherSeparator(typed.toStdString())) {
        m_services.Context.Messages().MessageBeep();
        return true;
    }
    return false;
}

bool TKVORImportXY::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == m_fileEdit) {
            return DialogKey(key);
        }
        if (watched == m_separatorEdit) {
            return SeparatorEditKey(key);
        }
    }
    if (event->type() == QEvent::FocusOut && watched == m_fileEdit) {
        const QString trimmed = m_fileEdit->text().trimmed();
        if (trimmed != m_fileEdit->text()) {
            m_fileEdit->setText(trimmed);
        }
    }
    return TImportDialog::eventFilter(watched, event);
}

} // namespace kvor
