#include "import/ui/ImportedPairsModel.h"

#include "import/ui/ImportDialogTexts.h"
#include "studies/NumberFormats.h"

#include <algorithm>
#include <charconv>

namespace kvor {

namespace {

constexpr int ValueDigits = 15;

// The length of PairValueText(value) without writing it in full: the shortest general form
// with 15 digits gives the same digits, with the exponent written without leading zeros.
std::size_t ValueTextLength(double value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof(buffer), value,
                                   std::chars_format::general, ValueDigits)
                         .ptr;
    std::size_t length = static_cast<std::size_t>(end - buffer);
    const char* e = std::find(buffer, end, 'e');
    if (e != end) {
        // "e+05" is written "E5", "e-05" "E-5".
        const char* digits = e + 2;
        while (digits + 1 < end && *digits == '0') {
            ++digits;
            --length;
        }
        if (e[1] == '+') {
            --length;
        }
    }
    return length;
}

} // namespace

QString PairValueText(double value, char decimalSeparator) {
    return QString::fromStdString(FormatGeneral(value, ValueDigits, 0, decimalSeparator));
}

TImportedPairsModel::TImportedPairsModel(const ImportedData& data, char decimalSeparator,
                                         QObject* parent)
    : QAbstractTableModel(parent), m_data(data), m_separator(decimalSeparator) {}

int TImportedPairsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, m_data.Count);
}

int TImportedPairsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TImportedPairsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (index.column()) {
    case 0:
        return QString::number(index.row() + 1) + QLatin1Char('.');
    case 1:
        return PairValueText(m_data.X[row], m_separator);
    default:
        return PairValueText(m_data.Y[row], m_separator);
    }
}

QVariant TImportedPairsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case 0:
        return ImportDialogTexts::PairNumberHead;
    case 1:
        return QStringLiteral("X");
    default:
        return QStringLiteral("Y");
    }
}

void TImportedPairsModel::SetDecimalSeparator(char separator) {
    if (separator == m_separator) {
        return;
    }
    m_separator = separator;
    if (rowCount() > 0) {
        emit dataChanged(index(0, 1), index(rowCount() - 1, 2), {Qt::DisplayRole});
    }
}

QString TImportedPairsModel::WidestText(int column) const {
    const std::vector<double>& values = column == 1 ? m_data.X : m_data.Y;
    const auto count = static_cast<std::size_t>(rowCount());
    std::size_t widest = 0;
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t length = ValueTextLength(values[i]);
        if (length > widest) {
            widest = length;
            at = i;
        }
    }
    return count == 0 ? QString() : PairValueText(values[at], m_separator);
}

} // namespace kvor
