#include "store/ListFile.h"

#include "store/FieldReader.h"
#include "system/Cp950.h"

namespace ListFile {

QByteArray serialize(const QStringList& names)
{
    QString text;
    for (const QString& name : names)
        text += u'"' + name + QLatin1String("\"\r\n");
    return Cp950::encode(text);
}

ReadResult parse(QStringView text, NameList& list)
{
    FieldReader reader(text);
    QStringList names;
    ReadResult result;
    QStringView name;
    while (!reader.atEnd()) {
        if (names.size() >= list.capacity()) {
            result.complete = false;
            break;
        }
        reader.readRecord(&name, 1);
        names.append(name.toString());
    }
    list.assign(names);
    result.damagedLines = reader.damagedLines();
    return result;
}

} // namespace ListFile
