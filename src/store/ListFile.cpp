#include "store/ListFile.h"

#include "platform/Cp950.h"
#include "store/FieldReader.h"

namespace ListFile {

QByteArray serialize(const QStringList& names)
{
    QString text;
    for (const QString& name : names)
        text += u'"' + name + QLatin1String("\"\r\n");
    return Cp950::encode(text);
}

bool parse(QStringView text, NameList& list)
{
    FieldReader reader(text);
    QStringList names;
    while (!reader.atEnd()) {
        if (names.size() >= list.capacity()) {
            list.assign(names);
            return false;
        }
        names.append(reader.next());
    }
    list.assign(names);
    return true;
}

} // namespace ListFile
