#pragma once

#include <QDialog>

class QFont;
class RecordRegister;

// Every record of one other party, returned or not, oldest first, to read: the record list's
// columns in its colours, with its warning on a due date that has passed.
class PersonRecords : public QDialog
{
    Q_OBJECT
public:
    // name as the summary holds it: the Borrower field without blanks around it.
    PersonRecords(const RecordRegister& records, const QString& name, const QFont& listFont,
                  QWidget* parent);
};
