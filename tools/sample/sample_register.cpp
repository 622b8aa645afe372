#include "SampleRegister.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

// Writes a sample register of the three years up to today into a program folder, to try the
// program on: kelvora_sample_register FOLDER [COUNT]
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool ok = args.size() == 2 || args.size() == 3;
    const int count = args.size() == 3 ? args.at(2).toInt(&ok) : 300;
    if (!ok || count < 0 || count > 10000) {
        std::fputs("usage: kelvora_sample_register FOLDER [COUNT, at most 10000]\n", stderr);
        return 2;
    }
    QString folder = args.at(1);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    QString error;
    if (!SampleRegister::write(folder, SampleRegister::recentRecords(count, QDate::currentDate()),
                               &error)) {
        std::fprintf(stderr, "kelvora_sample_register: %s\n", qUtf8Printable(error));
        return 1;
    }
    return 0;
}
