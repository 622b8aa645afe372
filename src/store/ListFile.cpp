#include "store/ListFile.h"

#include "store/TextFile.h"

namespace ListFile {

void write(const QStringList& names, Cp950Writer& out)
{
    for (const QString& name : names) {
        out.add(u'"');
        out.add(name);
        out.add(QStringLiteral("\"\r\n"));
    }
}

QByteArray serialize(const QStringList& names)
{
    return TextFile::bytes([&](Cp950Writer& out) { write(names, out); });
}

RecordStream reader(NameList& list)
{
    list.assign({});
    return RecordStream(1, [&list](const RecordFields& name) {
        list.append(name.string(0));
        return !list.isFull();
    });
}

ReadResult parse(QStringView text, NameList& list)
{
    RecordStream stream = reader(list);
    stream.readWhole(text);
    return stream.result();
}

} // namespace ListFile
