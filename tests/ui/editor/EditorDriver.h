#pragma once

#include "platform/Modal.h"
#include "store/RecordTable.h"
#include "ui/editor/InputForm.h"
#include "ui/main/RecordCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <functional>

// Queues work for the next record editor that opens, built and filled as the program does.
inline void onNextEditor(std::function<void(InputForm&)> work)
{
    Modal::setNextHandler([work = std::move(work)](QDialog& dialog) {
        auto* form = qobject_cast<InputForm*>(&dialog);
        ASSERT_NE(form, nullptr) << dialog.objectName().toStdString();
        work(*form);
    });
}

// Opens the new-record editor, names a borrower so that the entry is complete, lets fill()
// change any box, and presses OK. True when the editor closed after storing.
inline bool enterNew(MainForm& main, const std::function<void(InputForm&)>& fill = {})
{
    bool closed = false;
    onNextEditor([&](InputForm& form) {
        form.Text1()->setText(QStringLiteral("王小明"));
        if (fill)
            fill(form);
        form.Command1()->click();
        closed = !form.isVisible() && form.result() == QDialog::Accepted;
    });
    RecordCommands::Data_New_Click(main);
    return closed;
}

inline const LoanRecord& lastRecord(const RecordTable& table)
{
    return table[table.count()];
}
