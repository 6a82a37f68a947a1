#pragma once

#include "engine/ImportedData.h"

#include <QAbstractTableModel>

namespace kvor {

// A tab's imported pairs as a read-only table of pair number ".", X and Y, written on demand:
// nothing is copied, so a million pairs cost no more than a few.
class TImportedPairsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    TImportedPairsModel(const ImportedData& data, char decimalSeparator, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    char DecimalSeparator() const { return m_separator; }
    // The X and Y columns are written again with the new separator.
    void SetDecimalSeparator(char separator);
    // The longest text of column 1 (X) or 2 (Y), in characters of each kind.
    QString WidestText(int column) const;

private:
    const ImportedData& m_data;
    char m_separator;
};

// A value as the viewer writes it: the general format with 15 significant digits.
QString PairValueText(double value, char decimalSeparator);

} // namespace kvor
