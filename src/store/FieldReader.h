#pragma once

#include <QString>
#include <QStringView>

// Reads the quoted comma-separated data files field after field, regardless of line boundaries:
// a field opened by a double quote runs to the next double quote (commas and line breaks
// included), any other field runs to the next comma or line end.
class FieldReader
{
public:
    explicit FieldReader(QStringView text) : text_(text) {}

    // True at the end of the text, or when nothing but line ends remains (a damaged file's
    // empty last lines). Tested before each record.
    bool atEnd() const;
    // The next field; at the end of the text an empty one, so a short last record is filled up.
    QString next() { return nextView().toString(); }
    // The same, as a view into the text: no copy is made until the caller keeps it.
    QStringView nextView();

private:
    void skipDelimiter();

    QStringView text_;
    qsizetype pos_ = 0;
    // Where atEnd() last found content; only line ends lie between pos_ and it.
    mutable qsizetype contentFrom_ = 0;
};
